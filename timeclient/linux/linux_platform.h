#pragma once
// The client's platform seams on Linux: mailslots as NetBIOS datagrams over UDP, the computer
// name from the host name, CAP_SYS_TIME for the system-time privilege, clock_settime. Error
// codes are errno values.
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "lanmailslot/destinations.h"
#include "lanmailslot/mailslot_endpoint.h"
#include "timeclient/client_platform.h"

namespace timeclient {

// The client's own mailslot takes port 138 when it can, else an ephemeral port, and every
// request is sent from it, so that the answers come back to it.
class LinuxMailslots final : public Mailslots {
 public:
  Handle CreateMailslotA(const std::string& name, std::uint32_t max_message_size,
                         std::uint32_t read_timeout) override;
  Handle CreateFileA(const std::string& path) override;
  bool WriteFile(Handle file, std::span<const std::uint8_t> bytes) override;
  bool CloseHandle(Handle handle) override;
  bool GetMailslotInfo(Handle mailslot, MailslotInfo& info) override;
  bool ReadFile(Handle mailslot, std::span<std::uint8_t> buffer,
                std::uint32_t& bytes_read) override;
  std::int32_t GetLastError() override { return last_error_; }

 private:
  struct OpenFile {
    std::string mailslot;
    std::vector<lanmailslot::Destination> destinations;
  };
  static constexpr Handle kMailslotHandle = 1;

  bool Fail(int error);
  Handle FailToOpen(int error);
  bool IsMailslot(Handle handle) const { return handle == kMailslotHandle && endpoint_; }

  std::optional<lanmailslot::MailslotEndpoint> endpoint_;
  std::string mailslot_name_;
  std::size_t max_message_size_ = 0;
  std::deque<std::vector<std::uint8_t>> waiting_;
  // Where each host's requests went, kept for the run: each request opens the server mailslot
  // again, and a name service lookup that no one answers takes 0.75 s.
  std::map<std::string, std::vector<lanmailslot::Destination>> destinations_;
  std::map<Handle, OpenFile> files_;
  Handle next_file_ = kMailslotHandle + 1;
  std::int32_t last_error_ = 0;
};

struct LinuxComputerName final : ComputerName {
  std::optional<std::string> GetComputerNameA() override;
  std::int32_t GetLastError() override { return last_error_; }
  std::int32_t last_error_ = 0;
};

struct LinuxSleeper final : Sleeper {
  void Sleep(std::uint32_t milliseconds) override;
};

// The process's own capability sets stand for its token; the system-time privilege is
// CAP_SYS_TIME, which can be made effective only when it is permitted.
class LinuxPrivileges final : public Privileges {
 public:
  std::optional<Handle> OpenProcessToken() override;
  PrivilegeId LookupPrivilegeValueA(const std::string& name) override;
  void AdjustTokenPrivileges(Handle token, PrivilegeId privilege,
                             std::uint32_t attributes) override;
  bool CloseHandle(Handle token) override;
  std::int32_t GetLastError() override { return last_error_; }

 private:
  std::int32_t last_error_ = 0;
};

class LinuxLocalClock final : public LocalClock {
 public:
  bool SetLocalTime(const timeproto::TimeField& time) override;
  std::int32_t GetLastError() override { return last_error_; }

 private:
  std::int32_t last_error_ = 0;
};

}  // namespace timeclient
