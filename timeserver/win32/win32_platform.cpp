#include "timeserver/win32/win32_platform.h"

#include "base/win32/mailslot_io.h"
#include "base/win32/scoped_handle.h"

namespace timeserver {
namespace {

using base::ToNative;
using base::ToValue;

// Set once, before any call back can come; a plain pointer, so nothing is left to destroy.
Win32ServiceHost* the_host = nullptr;

}  // namespace

Win32ServiceHost::Win32ServiceHost() {
  ::InitializeCriticalSection(&lock_);
  the_host = this;
}

void WINAPI Win32ServiceHost::ServiceMainEntry(DWORD, LPSTR*) {
  the_host->service_main_();
}

void WINAPI Win32ServiceHost::ControlHandlerEntry(DWORD control) {
  the_host->control_handler_(control);
}

DWORD WINAPI Win32ServiceHost::WorkerEntry(LPVOID) {
  the_host->worker_();
  return 0;
}

bool Win32ServiceHost::StartServiceCtrlDispatcherA(const std::string& name,
                                                   std::function<void()> service_main) {
  service_main_ = std::move(service_main);
  service_name_ = name;
  SERVICE_TABLE_ENTRYA table[] = {{service_name_.data(), ServiceMainEntry}, {nullptr, nullptr}};
  return ::StartServiceCtrlDispatcherA(table) != 0;
}

Handle Win32ServiceHost::RegisterServiceCtrlHandlerA(const std::string& name,
                                                     std::function<void(std::uint32_t)> handler) {
  control_handler_ = std::move(handler);
  return ToValue<Handle>(::RegisterServiceCtrlHandlerA(name.c_str(), ControlHandlerEntry));
}

bool Win32ServiceHost::SetServiceStatus(Handle status_handle, const ServiceStatus& status) {
  SERVICE_STATUS record{status.dwServiceType,
                        status.dwCurrentState,
                        status.dwControlsAccepted,
                        status.dwWin32ExitCode,
                        status.dwServiceSpecificExitCode,
                        status.dwCheckPoint,
                        status.dwWaitHint};
  return ::SetServiceStatus(ToNative<SERVICE_STATUS_HANDLE>(status_handle), &record) != 0;
}

Handle Win32ServiceHost::CreateEventA(bool manual_reset, bool initial_state) {
  return ToValue<Handle>(::CreateEventA(nullptr, manual_reset, initial_state, nullptr));
}

void Win32ServiceHost::SetEvent(Handle event) {
  ::SetEvent(ToNative<HANDLE>(event));
}

void Win32ServiceHost::ResetEvent(Handle event) {
  ::ResetEvent(ToNative<HANDLE>(event));
}

void Win32ServiceHost::WaitForSingleObject(Handle object, std::uint32_t milliseconds) {
  ::WaitForSingleObject(ToNative<HANDLE>(object), milliseconds);
}

void Win32ServiceHost::CloseHandle(Handle object) {
  ::CloseHandle(ToNative<HANDLE>(object));
}

Handle Win32ServiceHost::CreateThread(std::function<void()> worker) {
  worker_ = std::move(worker);
  return ToValue<Handle>(::CreateThread(nullptr, 0, WorkerEntry, nullptr, 0, &worker_id_));
}

std::uint32_t Win32ServiceHost::GetLastError() {
  return ::GetLastError();
}

void Win32ServiceHost::EnterCriticalSection() {
  ::EnterCriticalSection(&lock_);
}

void Win32ServiceHost::LeaveCriticalSection() {
  ::LeaveCriticalSection(&lock_);
}

void Win32ServiceHost::ExitProcess(std::uint32_t exit_code) {
  ::ExitProcess(exit_code);
}

Handle Win32SecurityDescriptors::LocalAlloc(std::uint32_t flags) {
  return ToValue<Handle>(::LocalAlloc(flags, SECURITY_DESCRIPTOR_MIN_LENGTH));
}

bool Win32SecurityDescriptors::InitializeSecurityDescriptor(Handle descriptor,
                                                            std::uint32_t revision) {
  return ::InitializeSecurityDescriptor(ToNative<PSECURITY_DESCRIPTOR>(descriptor), revision) != 0;
}

bool Win32SecurityDescriptors::SetSecurityDescriptorDacl(Handle descriptor, bool dacl_present,
                                                         bool dacl_defaulted) {
  return ::SetSecurityDescriptorDacl(ToNative<PSECURITY_DESCRIPTOR>(descriptor), dacl_present,
                                     nullptr, dacl_defaulted) != 0;
}

void Win32SecurityDescriptors::LocalFree(Handle memory) {
  ::LocalFree(ToNative<HLOCAL>(memory));
}

Handle Win32Mailslots::CreateMailslotA(const std::string& name, std::uint32_t max_message_size,
                                       std::uint32_t read_timeout, Handle descriptor,
                                       bool inherit_handle) {
  SECURITY_ATTRIBUTES attributes{sizeof(SECURITY_ATTRIBUTES),
                                 ToNative<PSECURITY_DESCRIPTOR>(descriptor), inherit_handle};
  return ToValue<Handle>(
      ::CreateMailslotA(name.c_str(), max_message_size, read_timeout, &attributes));
}

bool Win32Mailslots::ReadFile(Handle file, std::span<std::uint8_t> buffer,
                              std::uint32_t& bytes_read) {
  return base::ReadMailslotMessage(file, buffer, bytes_read);
}

Handle Win32Mailslots::CreateFileA(const std::string& path) {
  return base::OpenMailslotWriter(path);
}

bool Win32Mailslots::WriteFile(Handle file, std::span<const std::uint8_t> bytes) {
  return base::WriteMailslotMessage(file, bytes);
}

void Win32Mailslots::CloseHandle(Handle file) {
  base::CloseKernelObject(file);
}

Handle Win32EventLog::RegisterEventSourceA(const std::string& source) {
  return ToValue<Handle>(::RegisterEventSourceA(nullptr, source.c_str()));
}

void Win32EventLog::ReportEventA(Handle log, std::uint16_t type, std::uint16_t category,
                                 std::uint32_t event_id, const std::vector<std::string>& strings) {
  std::vector<LPCSTR> texts;
  for (const auto& text : strings) texts.push_back(text.c_str());
  ::ReportEventA(ToNative<HANDLE>(log), type, category, event_id, nullptr,
                 static_cast<WORD>(texts.size()), 0, texts.data(), nullptr);
}

void Win32EventLog::DeregisterEventSource(Handle log) {
  ::DeregisterEventSource(ToNative<HANDLE>(log));
}

Handle Win32EventLog::RegCreateKeyExA(const std::string& subkey, bool& created) {
  HKEY key = nullptr;
  DWORD disposition = 0;
  if (::RegCreateKeyExA(HKEY_LOCAL_MACHINE, subkey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_SET_VALUE, nullptr, &key, &disposition) != ERROR_SUCCESS) {
    return kNoHandle;
  }
  created = disposition == REG_CREATED_NEW_KEY;
  return ToValue<Handle>(key);
}

bool Win32EventLog::RegSetValueExA(Handle key, const std::string& name, const std::string& text) {
  return ::RegSetValueExA(ToNative<HKEY>(key), name.c_str(), 0, REG_EXPAND_SZ,
                          reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
}

bool Win32EventLog::RegSetValueExA(Handle key, const std::string& name, std::uint32_t number) {
  const DWORD value = number;
  return ::RegSetValueExA(ToNative<HKEY>(key), name.c_str(), 0, REG_DWORD,
                          reinterpret_cast<const BYTE*>(&value), sizeof value) == ERROR_SUCCESS;
}

void Win32EventLog::RegCloseKey(Handle key) {
  ::RegCloseKey(ToNative<HKEY>(key));
}

std::optional<std::string> Win32EventLog::GetModuleFileNameA() {
  char path[MAX_PATH];
  const DWORD length = ::GetModuleFileNameA(nullptr, path, sizeof path);
  // A path that filled the buffer was cut short.
  if (length == 0 || length == sizeof path) return std::nullopt;
  return std::string(path, length);
}

timeproto::TimeField Win32LocalClock::GetLocalTime() {
  SYSTEMTIME now;
  ::GetLocalTime(&now);
  return {now.wYear, now.wMonth,  now.wDayOfWeek, now.wDay,
          now.wHour, now.wMinute, now.wSecond,    now.wMilliseconds};
}

std::optional<std::string> Win32LocalClock::GetComputerNameA() {
  char name[16] = {};
  DWORD size = sizeof(name);
  if (!::GetComputerNameA(name, &size)) return std::nullopt;
  return std::string(name);
}

}  // namespace timeserver
