#pragma once
// The service's other seams on Linux: the server mailslot is UDP port 138, the event log is the
// journal, the clock is the system clock in local time. Error codes are errno values.
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "lanmailslot/destinations.h"
#include "lanmailslot/mailslot_endpoint.h"
#include "lanmailslot/name_service.h"
#include "timeserver/platform.h"

namespace timeserver {

// Anyone may send to a UDP port, so the descriptor guards nothing; it is only memory here.
struct LinuxSecurityDescriptors final : SecurityDescriptors {
  Handle LocalAlloc(std::uint32_t flags) override;
  bool InitializeSecurityDescriptor(Handle, std::uint32_t) override { return true; }
  bool SetSecurityDescriptorDacl(Handle, bool, bool) override { return true; }
  void LocalFree(Handle memory) override;
};

// Replies go only to the machine whose datagram was read last, at the address and port it
// gave, or to this machine: the service never resolves or broadcasts a name a request carries.
// While the server mailslot is open, the machine's names are on the name service, so that other
// machines find it by name; `log` takes the name conflicts met.
class LinuxServerMailslots final : public Mailslots {
 public:
  explicit LinuxServerMailslots(lanmailslot::NameService::Log log) : log_(std::move(log)) {}
  Handle CreateMailslotA(const std::string& name, std::uint32_t max_message_size,
                         std::uint32_t read_timeout, Handle descriptor,
                         bool inherit_handle) override;
  bool ReadFile(Handle file, std::span<std::uint8_t> buffer, std::uint32_t& bytes_read) override;
  Handle CreateFileA(const std::string& path) override;
  bool WriteFile(Handle file, std::span<const std::uint8_t> bytes) override;
  void CloseHandle(Handle file) override;
  // Gives the names up before the process ends.
  void ReleaseNames();

 private:
  struct OpenFile {
    std::string mailslot;
    lanmailslot::Destination destination;
  };
  static constexpr Handle kMailslotHandle = 1;

  std::optional<lanmailslot::Destination> ReplyDestination(const std::string& host) const;

  lanmailslot::NameService::Log log_;
  std::optional<lanmailslot::MailslotEndpoint> endpoint_;
  std::unique_ptr<lanmailslot::NameService> name_service_;
  std::string mailslot_name_;
  std::size_t max_message_size_ = 0;
  std::optional<lanmailslot::Delivery> last_sender_;  // its message moved out
  std::map<Handle, OpenFile> files_;
  Handle next_file_ = kMailslotHandle + 1;
};

// Entries go to the journal with the source as SYSLOG_IDENTIFIER and the strings a line apart,
// or to standard error when there is no journal.
// There is no registry: the journal needs no program to hold an entry's text.
class JournalEventLog final : public EventLog {
 public:
  Handle RegisterEventSourceA(const std::string& source) override;
  void ReportEventA(Handle log, std::uint16_t type, std::uint16_t category, std::uint32_t event_id,
                    const std::vector<std::string>& strings) override;
  // A warning of this machine's own under `source`, not one of the service's events.
  static void Warn(const std::string& source, const std::string& text);
  void DeregisterEventSource(Handle) override {}
  Handle RegCreateKeyExA(const std::string&, bool&) override { return kNoHandle; }
  bool RegSetValueExA(Handle, const std::string&, const std::string&) override { return false; }
  bool RegSetValueExA(Handle, const std::string&, std::uint32_t) override { return false; }
  void RegCloseKey(Handle) override {}
  std::optional<std::string> GetModuleFileNameA() override;

 private:
  std::vector<std::string> sources_;  // handle n is sources_[n - 1]
};

struct LinuxLocalClock final : LocalClock {
  timeproto::TimeField GetLocalTime() override;
  std::optional<std::string> GetComputerNameA() override;
};

}  // namespace timeserver
