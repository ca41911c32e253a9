#pragma once
// What the time client needs from the platform, one method per call and named after it. The
// Windows layer (win32/) makes each call with the fixed arguments noted here; tests use fakes.
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "base/platform_handle.h"
#include "timeproto/time_messages.h"

namespace timeclient {

using Handle = base::PlatformHandle;
using base::kInvalidHandle;

struct MailslotInfo {
  std::uint32_t next_size = 0;
  std::uint32_t message_count = 0;
};

struct Mailslots {
  virtual ~Mailslots() = default;
  // No security attributes. kInvalidHandle when the name is taken or on any other failure.
  virtual Handle CreateMailslotA(const std::string& name, std::uint32_t max_message_size,
                                 std::uint32_t read_timeout) = 0;
  // GENERIC_WRITE, FILE_SHARE_READ, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL. kInvalidHandle on
  // failure.
  virtual Handle CreateFileA(const std::string& path) = 0;
  // Writes all of `bytes` as one message; false on failure.
  virtual bool WriteFile(Handle file, std::span<const std::uint8_t> bytes) = 0;
  virtual bool CloseHandle(Handle handle) = 0;
  // Size of the next message and number waiting; false on failure.
  virtual bool GetMailslotInfo(Handle mailslot, MailslotInfo& info) = 0;
  // Reads one message of at most buffer.size() bytes; false on failure.
  virtual bool ReadFile(Handle mailslot, std::span<std::uint8_t> buffer,
                        std::uint32_t& bytes_read) = 0;
  virtual std::int32_t GetLastError() = 0;
};

struct ComputerName {
  virtual ~ComputerName() = default;
  // Into a 16-byte buffer of size 16; nothing on failure.
  virtual std::optional<std::string> GetComputerNameA() = 0;
  virtual std::int32_t GetLastError() = 0;
};

struct Sleeper {
  virtual ~Sleeper() = default;
  virtual void Sleep(std::uint32_t milliseconds) = 0;
};

// A privilege's locally unique identifier.
struct PrivilegeId {
  std::uint32_t low_part = 0;
  std::int32_t high_part = 0;
};

inline constexpr std::uint32_t kPrivilegeEnabled = 2;  // SE_PRIVILEGE_ENABLED

struct Privileges {
  virtual ~Privileges() = default;
  // This process's token, opened with TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY; nothing on failure.
  virtual std::optional<Handle> OpenProcessToken() = 0;
  // On the local machine; whatever the call leaves in the identifier.
  virtual PrivilegeId LookupPrivilegeValueA(const std::string& name) = 0;
  // One privilege with these attributes, all others untouched, no previous state asked for.
  // Only GetLastError tells whether it took effect.
  virtual void AdjustTokenPrivileges(Handle token, PrivilegeId privilege,
                                     std::uint32_t attributes) = 0;
  // The token, once the clock is set or given up; false on failure.
  virtual bool CloseHandle(Handle token) = 0;
  virtual std::int32_t GetLastError() = 0;
};

struct LocalClock {
  virtual ~LocalClock() = default;
  // The eight words as a SYSTEMTIME; false when the clock was not set.
  virtual bool SetLocalTime(const timeproto::TimeField& time) = 0;
  virtual std::int32_t GetLastError() = 0;
};

// Everything one run uses.
struct ClientPlatform {
  Mailslots& mailslots;
  ComputerName& computer_name;
  Sleeper& sleeper;
  Privileges& privileges;
  LocalClock& clock;
};

}  // namespace timeclient
