#include "timeserver/win32/win32_platform.h"

#include <windows.h>

namespace timeserver {
namespace {

HANDLE AsHandle(Handle handle) {
  return reinterpret_cast<HANDLE>(handle);
}
Handle FromHandle(HANDLE handle) {
  return reinterpret_cast<Handle>(handle);
}

// The platform calls these back without a parameter; there is one of each per process.
std::function<void()> service_main_function;
std::function<void(std::uint32_t)> control_handler;
std::function<void()> worker_function;

void WINAPI ServiceMainEntry(DWORD, LPSTR*) {
  service_main_function();
}
void WINAPI ControlHandlerEntry(DWORD control) {
  control_handler(control);
}
DWORD WINAPI WorkerEntry(LPVOID) {
  worker_function();
  return 0;
}

}  // namespace

bool Win32ServiceHost::StartServiceCtrlDispatcherA(const std::string& name,
                                                   std::function<void()> service_main) {
  service_main_function = std::move(service_main);
  static std::string service_name;
  service_name = name;
  SERVICE_TABLE_ENTRYA table[] = {{service_name.data(), ServiceMainEntry}, {nullptr, nullptr}};
  return ::StartServiceCtrlDispatcherA(table) != 0;
}

Handle Win32ServiceHost::RegisterServiceCtrlHandlerA(const std::string& name,
                                                     std::function<void(std::uint32_t)> handler) {
  control_handler = std::move(handler);
  return reinterpret_cast<Handle>(::RegisterServiceCtrlHandlerA(name.c_str(), ControlHandlerEntry));
}

bool Win32ServiceHost::SetServiceStatus(Handle status_handle, const ServiceStatus& status) {
  SERVICE_STATUS record{status.dwServiceType,
                        status.dwCurrentState,
                        status.dwControlsAccepted,
                        status.dwWin32ExitCode,
                        status.dwServiceSpecificExitCode,
                        status.dwCheckPoint,
                        status.dwWaitHint};
  return ::SetServiceStatus(reinterpret_cast<SERVICE_STATUS_HANDLE>(status_handle), &record) != 0;
}

Handle Win32ServiceHost::CreateEventA(bool manual_reset, bool initial_state) {
  return FromHandle(::CreateEventA(nullptr, manual_reset, initial_state, nullptr));
}

void Win32ServiceHost::SetEvent(Handle event) {
  ::SetEvent(AsHandle(event));
}

void Win32ServiceHost::ResetEvent(Handle event) {
  ::ResetEvent(AsHandle(event));
}

void Win32ServiceHost::WaitForSingleObject(Handle object, std::uint32_t milliseconds) {
  ::WaitForSingleObject(AsHandle(object), milliseconds);
}

void Win32ServiceHost::CloseHandle(Handle object) {
  ::CloseHandle(AsHandle(object));
}

Handle Win32ServiceHost::CreateThread(std::function<void()> worker) {
  worker_function = std::move(worker);
  static DWORD thread_id;
  return FromHandle(::CreateThread(nullptr, 0, WorkerEntry, nullptr, 0, &thread_id));
}

std::uint32_t Win32ServiceHost::GetLastError() {
  return ::GetLastError();
}

Handle Win32SecurityDescriptors::LocalAlloc(std::uint32_t flags, std::size_t bytes) {
  return FromHandle(::LocalAlloc(flags, bytes));
}

bool Win32SecurityDescriptors::InitializeSecurityDescriptor(Handle descriptor,
                                                            std::uint32_t revision) {
  return ::InitializeSecurityDescriptor(AsHandle(descriptor), revision) != 0;
}

bool Win32SecurityDescriptors::SetSecurityDescriptorDacl(Handle descriptor, bool dacl_present,
                                                         bool dacl_defaulted) {
  return ::SetSecurityDescriptorDacl(AsHandle(descriptor), dacl_present, nullptr, dacl_defaulted) !=
         0;
}

void Win32SecurityDescriptors::LocalFree(Handle memory) {
  ::LocalFree(AsHandle(memory));
}

Handle Win32Mailslots::CreateMailslotA(const std::string& name, std::uint32_t max_message_size,
                                       std::uint32_t read_timeout, Handle descriptor,
                                       bool inherit_handle) {
  SECURITY_ATTRIBUTES attributes{sizeof(SECURITY_ATTRIBUTES), AsHandle(descriptor), inherit_handle};
  return FromHandle(::CreateMailslotA(name.c_str(), max_message_size, read_timeout, &attributes));
}

bool Win32Mailslots::ReadFile(Handle file, std::span<std::uint8_t> buffer,
                              std::uint32_t& bytes_read) {
  DWORD count = 0;
  const BOOL ok =
      ::ReadFile(AsHandle(file), buffer.data(), static_cast<DWORD>(buffer.size()), &count, nullptr);
  bytes_read = count;
  return ok != 0;
}

Handle Win32Mailslots::CreateFileA(const std::string& path) {
  return FromHandle(::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

bool Win32Mailslots::WriteFile(Handle file, std::span<const std::uint8_t> bytes) {
  DWORD written = 0;
  return ::WriteFile(AsHandle(file), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                     nullptr) != 0;
}

void Win32Mailslots::CloseHandle(Handle file) {
  ::CloseHandle(AsHandle(file));
}

Handle Win32EventLog::RegisterEventSourceA(const std::string& source) {
  return FromHandle(::RegisterEventSourceA(nullptr, source.c_str()));
}

void Win32EventLog::ReportEventA(Handle log, std::uint16_t type, std::uint16_t category,
                                 std::uint32_t event_id, const std::vector<std::string>& strings) {
  std::vector<LPCSTR> texts;
  for (const auto& text : strings) texts.push_back(text.c_str());
  ::ReportEventA(AsHandle(log), type, category, event_id, nullptr, static_cast<WORD>(texts.size()),
                 0, texts.data(), nullptr);
}

void Win32EventLog::DeregisterEventSource(Handle log) {
  ::DeregisterEventSource(AsHandle(log));
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
