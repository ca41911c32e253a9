#include "timeclient/linux/linux_platform.h"

#include <linux/capability.h>
#include <sys/syscall.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <thread>

#include "lanmailslot/mailslot_path.h"
#include "timeproto/linux/local_time.h"

namespace timeclient {
namespace {

constexpr Handle kProcessCapabilities = 1;
constexpr char kSystemTimePrivilege[] = "SeSystemtimePrivilege";
constexpr std::uint32_t kNoCapability = ~0u;

struct CapabilitySets {
  __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
  __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3] = {};
};

}  // namespace

bool LinuxMailslots::Fail(int error) {
  last_error_ = error;
  return false;
}

Handle LinuxMailslots::FailToOpen(int error) {
  last_error_ = error;
  return kInvalidHandle;
}

Handle LinuxMailslots::CreateMailslotA(const std::string& name, std::uint32_t max_message_size,
                                       std::uint32_t) {
  const auto path = lanmailslot::ParseMailslotPath(name);
  if (!path || path->host != "." || endpoint_) return FailToOpen(EINVAL);
  endpoint_ = lanmailslot::MailslotEndpoint::OpenLocal(true, true);  // group requests broadcast
  if (!endpoint_) return FailToOpen(errno);
  mailslot_name_ = path->mailslot;
  max_message_size_ = max_message_size;
  return kMailslotHandle;
}

Handle LinuxMailslots::CreateFileA(const std::string& path) {
  const auto parsed = lanmailslot::ParseMailslotPath(path);
  if (!parsed) return FailToOpen(EINVAL);
  if (!endpoint_) return FailToOpen(EBADF);  // nowhere for the answers to come back
  auto known = destinations_.find(parsed->host);
  if (known == destinations_.end()) {
    known =
        destinations_
            .emplace(parsed->host, lanmailslot::FindDestinations(parsed->host, endpoint_->names()))
            .first;
  }
  const Handle file = next_file_++;
  files_[file] = {parsed->mailslot, known->second};
  return file;
}

// One datagram to each destination; written when at least one of them could be sent.
bool LinuxMailslots::WriteFile(Handle file, std::span<const std::uint8_t> bytes) {
  const auto open = files_.find(file);
  if (open == files_.end()) return Fail(EBADF);
  int error = 0;
  bool sent = false;
  for (const auto& destination : open->second.destinations) {
    if (endpoint_->Send(destination, open->second.mailslot, bytes)) {
      sent = true;
    } else {
      error = errno;
    }
  }
  return sent || Fail(error);
}

bool LinuxMailslots::CloseHandle(Handle handle) {
  if (files_.erase(handle) == 1) return true;
  if (!IsMailslot(handle)) return Fail(EBADF);
  endpoint_.reset();
  waiting_.clear();
  destinations_.clear();
  return true;
}

bool LinuxMailslots::GetMailslotInfo(Handle mailslot, MailslotInfo& info) {
  if (!IsMailslot(mailslot)) return Fail(EBADF);
  while (auto delivery = endpoint_->Receive(mailslot_name_, max_message_size_, false)) {
    waiting_.push_back(std::move(delivery->message));
  }
  if (errno != EAGAIN && errno != EWOULDBLOCK) return Fail(errno);
  info.message_count = static_cast<std::uint32_t>(waiting_.size());
  info.next_size = waiting_.empty() ? 0 : static_cast<std::uint32_t>(waiting_.front().size());
  return true;
}

// One whole message, as a mailslot gives it; one that does not fit stays for a larger buffer.
bool LinuxMailslots::ReadFile(Handle mailslot, std::span<std::uint8_t> buffer,
                              std::uint32_t& bytes_read) {
  if (!IsMailslot(mailslot)) return Fail(EBADF);
  if (waiting_.empty()) return Fail(EAGAIN);
  const std::vector<std::uint8_t>& message = waiting_.front();
  if (message.size() > buffer.size()) return Fail(EMSGSIZE);
  std::copy(message.begin(), message.end(), buffer.begin());
  bytes_read = static_cast<std::uint32_t>(message.size());
  waiting_.pop_front();
  return true;
}

std::optional<std::string> LinuxComputerName::GetComputerNameA() {
  const auto names = lanmailslot::ReadLocalNames();
  if (!names) {
    last_error_ = errno;
    return std::nullopt;
  }
  return names->computer;
}

void LinuxSleeper::Sleep(std::uint32_t milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

std::optional<Handle> LinuxPrivileges::OpenProcessToken() {
  return kProcessCapabilities;
}

PrivilegeId LinuxPrivileges::LookupPrivilegeValueA(const std::string& name) {
  return {name == kSystemTimePrivilege ? CAP_SYS_TIME : kNoCapability, 0};
}

// Sets the last error as the platform's call does: 0 once the capability is as asked, EPERM
// when it is to be enabled but is not permitted to this process.
void LinuxPrivileges::AdjustTokenPrivileges(Handle, PrivilegeId privilege,
                                            std::uint32_t attributes) {
  if (privilege.low_part > CAP_LAST_CAP) {
    last_error_ = EINVAL;
    return;
  }
  CapabilitySets sets;
  if (syscall(SYS_capget, &sets.header, sets.data) != 0) {
    last_error_ = errno;
    return;
  }
  auto& word = sets.data[CAP_TO_INDEX(privilege.low_part)];
  const std::uint32_t bit = CAP_TO_MASK(privilege.low_part);
  const bool enable = (attributes & kPrivilegeEnabled) != 0;
  if (enable && !(word.permitted & bit)) {
    last_error_ = EPERM;
    return;
  }
  word.effective = enable ? word.effective | bit : word.effective & ~bit;
  last_error_ = syscall(SYS_capset, &sets.header, sets.data) == 0 ? 0 : errno;
}

bool LinuxPrivileges::CloseHandle(Handle token) {
  return token == kProcessCapabilities;
}

bool LinuxLocalClock::SetLocalTime(const timeproto::TimeField& time) {
  const auto instant = timeproto::InstantOf(time);
  if (!instant) {
    last_error_ = EINVAL;
    return false;
  }
  if (clock_settime(CLOCK_REALTIME, &*instant) != 0) {
    last_error_ = errno;
    return false;
  }
  return true;
}

}  // namespace timeclient
