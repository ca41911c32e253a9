#include "timeclient/win32/win32_platform.h"

#include <windows.h>

#include "base/win32/mailslot_io.h"
#include "base/win32/scoped_handle.h"

namespace timeclient {
namespace {

using base::ToNative;
using base::ToValue;

std::int32_t LastError() {
  return static_cast<std::int32_t>(::GetLastError());
}

}  // namespace

Handle Win32Mailslots::CreateMailslotA(const std::string& name, std::uint32_t max_message_size,
                                       std::uint32_t read_timeout) {
  return ToValue<Handle>(::CreateMailslotA(name.c_str(), max_message_size, read_timeout, nullptr));
}

Handle Win32Mailslots::CreateFileA(const std::string& path) {
  return base::OpenMailslotWriter(path);
}

bool Win32Mailslots::WriteFile(Handle file, std::span<const std::uint8_t> bytes) {
  return base::WriteMailslotMessage(file, bytes);
}

bool Win32Mailslots::CloseHandle(Handle handle) {
  return base::CloseKernelObject(handle);
}

bool Win32Mailslots::GetMailslotInfo(Handle mailslot, MailslotInfo& info) {
  DWORD next_size = 0;
  DWORD message_count = 0;
  if (!::GetMailslotInfo(ToNative<HANDLE>(mailslot), nullptr, &next_size, &message_count,
                         nullptr)) {
    return false;
  }
  info = {next_size, message_count};
  return true;
}

bool Win32Mailslots::ReadFile(Handle mailslot, std::span<std::uint8_t> buffer,
                              std::uint32_t& bytes_read) {
  return base::ReadMailslotMessage(mailslot, buffer, bytes_read);
}

std::int32_t Win32Mailslots::GetLastError() {
  return LastError();
}

std::optional<std::string> Win32ComputerName::GetComputerNameA() {
  char name[16] = {};
  DWORD size = sizeof name;
  if (!::GetComputerNameA(name, &size)) return std::nullopt;
  return std::string(name);
}

std::int32_t Win32ComputerName::GetLastError() {
  return LastError();
}

void Win32Sleeper::Sleep(std::uint32_t milliseconds) {
  ::Sleep(milliseconds);
}

std::optional<Handle> Win32Privileges::OpenProcessToken() {
  HANDLE token = nullptr;
  if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) {
    return std::nullopt;
  }
  return ToValue<Handle>(token);
}

PrivilegeId Win32Privileges::LookupPrivilegeValueA(const std::string& name) {
  LUID luid{};
  ::LookupPrivilegeValueA(nullptr, name.c_str(), &luid);
  return {luid.LowPart, luid.HighPart};
}

void Win32Privileges::AdjustTokenPrivileges(Handle token, PrivilegeId privilege,
                                            std::uint32_t attributes) {
  TOKEN_PRIVILEGES privileges{};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Luid = {privilege.low_part, privilege.high_part};
  privileges.Privileges[0].Attributes = attributes;
  ::AdjustTokenPrivileges(ToNative<HANDLE>(token), FALSE, &privileges, 0, nullptr, nullptr);
}

bool Win32Privileges::CloseHandle(Handle token) {
  return ::CloseHandle(ToNative<HANDLE>(token)) != 0;
}

std::int32_t Win32Privileges::GetLastError() {
  return LastError();
}

bool Win32LocalClock::SetLocalTime(const timeproto::TimeField& time) {
  const SYSTEMTIME local = {time.wYear, time.wMonth,  time.wDayOfWeek, time.wDay,
                            time.wHour, time.wMinute, time.wSecond,    time.wMilliseconds};
  return ::SetLocalTime(&local) != 0;
}

std::int32_t Win32LocalClock::GetLastError() {
  return LastError();
}

}  // namespace timeclient
