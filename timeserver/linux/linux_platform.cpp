#include "timeserver/linux/linux_platform.h"

#include <syslog.h>
// An entry is the service's, not a place in its sources: no CODE_FILE, CODE_LINE, CODE_FUNC.
#define SD_JOURNAL_SUPPRESS_LOCATION
#include <systemd/sd-journal.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "base/ascii_case.h"
#include "lanmailslot/mailslot_path.h"
#include "timeproto/linux/local_time.h"

namespace timeserver {
namespace {

constexpr std::size_t kSecurityDescriptorMinLength = 20;
constexpr char kJournalSocket[] = "/run/systemd/journal/socket";

int PriorityOf(std::uint16_t event_type) {
  switch (event_type) {
    case 1:
      return LOG_ERR;
    case 2:
      return LOG_WARNING;
    default:
      return LOG_INFO;
  }
}

// Without a journal (started by hand on a host that has none) the entry is not lost;
// libsystemd reports success when the journal's socket is missing.
void KeepIfNoJournal(int sent, const std::string& message) {
  if (sent < 0 || access(kJournalSocket, F_OK) != 0) std::fprintf(stderr, "%s\n", message.c_str());
}

}  // namespace

Handle LinuxSecurityDescriptors::LocalAlloc(std::uint32_t) {
  return reinterpret_cast<Handle>(std::calloc(1, kSecurityDescriptorMinLength));
}

void LinuxSecurityDescriptors::LocalFree(Handle memory) {
  std::free(reinterpret_cast<void*>(memory));
}

// Port 138 or nothing: a service on another port would never be asked.
Handle LinuxServerMailslots::CreateMailslotA(const std::string& name,
                                             std::uint32_t max_message_size, std::uint32_t, Handle,
                                             bool) {
  const auto path = lanmailslot::ParseMailslotPath(name);
  if (!path || path->host != "." || endpoint_) {
    errno = EINVAL;
    return kInvalidHandle;
  }
  endpoint_ = lanmailslot::MailslotEndpoint::OpenLocal(false);
  if (!endpoint_) return kInvalidHandle;
  // Without the names the service still answers whoever finds it otherwise (hosts, DNS).
  name_service_ = lanmailslot::NameService::Start(endpoint_->names(), log_);
  if (!name_service_) log_(std::string("No name service: port 137: ") + std::strerror(errno));
  mailslot_name_ = path->mailslot;
  max_message_size_ = max_message_size;
  return kMailslotHandle;
}

bool LinuxServerMailslots::ReadFile(Handle file, std::span<std::uint8_t> buffer,
                                    std::uint32_t& bytes_read) {
  if (file != kMailslotHandle || !endpoint_) {
    errno = EBADF;
    return false;
  }
  auto delivery = endpoint_->Receive(mailslot_name_, max_message_size_, true);
  if (!delivery) return false;
  const std::size_t size = std::min(delivery->message.size(), buffer.size());
  std::copy_n(delivery->message.begin(), size, buffer.begin());
  bytes_read = static_cast<std::uint32_t>(size);
  delivery->message.clear();
  last_sender_ = std::move(delivery);
  return true;
}

std::optional<lanmailslot::Destination> LinuxServerMailslots::ReplyDestination(
    const std::string& host) const {
  if (host == ".") {
    return lanmailslot::Destination{lanmailslot::wire::kDirectUnique, endpoint_->names().computer,
                                    lanmailslot::kLoopback};
  }
  if (!last_sender_ || !base::EqualIgnoringCase(host, last_sender_->source_name))
    return std::nullopt;
  return lanmailslot::Destination{lanmailslot::wire::kDirectUnique, last_sender_->source_name,
                                  last_sender_->source_ip, last_sender_->source_port};
}

Handle LinuxServerMailslots::CreateFileA(const std::string& path) {
  const auto parsed = lanmailslot::ParseMailslotPath(path);
  const auto destination = parsed && endpoint_ ? ReplyDestination(parsed->host) : std::nullopt;
  if (!destination) {
    errno = EHOSTUNREACH;
    return kInvalidHandle;
  }
  const Handle file = next_file_++;
  files_[file] = {parsed->mailslot, *destination};
  return file;
}

bool LinuxServerMailslots::WriteFile(Handle file, std::span<const std::uint8_t> bytes) {
  const auto open = files_.find(file);
  if (open == files_.end()) {
    errno = EBADF;
    return false;
  }
  return endpoint_->Send(open->second.destination, open->second.mailslot, bytes);
}

void LinuxServerMailslots::CloseHandle(Handle file) {
  files_.erase(file);
}

void LinuxServerMailslots::ReleaseNames() {
  if (name_service_) name_service_->Stop();
}

Handle JournalEventLog::RegisterEventSourceA(const std::string& source) {
  sources_.push_back(source);
  return sources_.size();
}

void JournalEventLog::ReportEventA(Handle log, std::uint16_t type, std::uint16_t category,
                                   std::uint32_t event_id,
                                   const std::vector<std::string>& strings) {
  if (log == kNoHandle || log > sources_.size()) return;
  std::string message;
  for (const auto& text : strings) message += (message.empty() ? "" : "\n") + text;
  const int sent = sd_journal_send("MESSAGE=%s", message.c_str(), "PRIORITY=%d", PriorityOf(type),
                                   "SYSLOG_IDENTIFIER=%s", sources_[log - 1].c_str(), "EVENT_ID=%u",
                                   static_cast<unsigned>(event_id), "EVENT_CATEGORY=%u",
                                   static_cast<unsigned>(category), nullptr);
  KeepIfNoJournal(sent, message);
}

void JournalEventLog::Warn(const std::string& source, const std::string& text) {
  KeepIfNoJournal(sd_journal_send("MESSAGE=%s", text.c_str(), "PRIORITY=%d", LOG_WARNING,
                                  "SYSLOG_IDENTIFIER=%s", source.c_str(), nullptr),
                  text);
}

std::optional<std::string> JournalEventLog::GetModuleFileNameA() {
  char path[4096];
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path);
  if (length <= 0 || static_cast<std::size_t>(length) == sizeof path) return std::nullopt;
  return std::string(path, static_cast<std::size_t>(length));
}

timeproto::TimeField LinuxLocalClock::GetLocalTime() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  return timeproto::LocalTimeField(now);
}

std::optional<std::string> LinuxLocalClock::GetComputerNameA() {
  const auto names = lanmailslot::ReadLocalNames();
  if (!names) return std::nullopt;
  return names->computer;
}

}  // namespace timeserver
