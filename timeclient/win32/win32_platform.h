#pragma once
// The client's platform seams over the real Windows calls.
#include "timeclient/client_platform.h"

namespace timeclient {

struct Win32Mailslots : Mailslots {
  Handle CreateMailslotA(const std::string& name, std::uint32_t max_message_size,
                         std::uint32_t read_timeout) override;
  Handle CreateFileA(const std::string& path) override;
  bool WriteFile(Handle file, std::span<const std::uint8_t> bytes) override;
  bool CloseHandle(Handle handle) override;
  bool GetMailslotInfo(Handle mailslot, MailslotInfo& info) override;
  bool ReadFile(Handle mailslot, std::span<std::uint8_t> buffer,
                std::uint32_t& bytes_read) override;
  std::int32_t GetLastError() override;
};

struct Win32ComputerName : ComputerName {
  std::optional<std::string> GetComputerNameA() override;
  std::int32_t GetLastError() override;
};

struct Win32Sleeper : Sleeper {
  void Sleep(std::uint32_t milliseconds) override;
};

struct Win32Privileges : Privileges {
  std::optional<Handle> OpenProcessToken() override;
  PrivilegeId LookupPrivilegeValueA(const std::string& name) override;
  void AdjustTokenPrivileges(Handle token, PrivilegeId privilege,
                             std::uint32_t attributes) override;
  bool CloseHandle(Handle token) override;
  std::int32_t GetLastError() override;
};

struct Win32LocalClock : LocalClock {
  bool SetLocalTime(const timeproto::TimeField& time) override;
  std::int32_t GetLastError() override;
};

}  // namespace timeclient
