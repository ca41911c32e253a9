#pragma once
// The time service's platform calls, forwarded to Win32 with the arguments the service needs.
#include <windows.h>

#include "timeserver/platform.h"

namespace timeserver {

// One per process: the platform calls the service main function, the control handler and the
// worker back without a parameter.
class Win32ServiceHost final : public ServiceHost {
 public:
  Win32ServiceHost();
  Win32ServiceHost(const Win32ServiceHost&) = delete;
  Win32ServiceHost& operator=(const Win32ServiceHost&) = delete;

  bool StartServiceCtrlDispatcherA(const std::string& name,
                                   std::function<void()> service_main) override;
  Handle RegisterServiceCtrlHandlerA(const std::string& name,
                                     std::function<void(std::uint32_t)> handler) override;
  bool SetServiceStatus(Handle status_handle, const ServiceStatus& status) override;
  Handle CreateEventA(bool manual_reset, bool initial_state) override;
  void SetEvent(Handle event) override;
  void ResetEvent(Handle event) override;
  void WaitForSingleObject(Handle object, std::uint32_t milliseconds) override;
  void CloseHandle(Handle object) override;
  Handle CreateThread(std::function<void()> worker) override;
  std::uint32_t GetLastError() override;
  void EnterCriticalSection() override;
  void LeaveCriticalSection() override;
  void ExitProcess(std::uint32_t exit_code) override;

 private:
  static void WINAPI ServiceMainEntry(DWORD, LPSTR*);
  static void WINAPI ControlHandlerEntry(DWORD control);
  static DWORD WINAPI WorkerEntry(LPVOID);

  std::string service_name_;
  std::function<void()> service_main_;
  std::function<void(std::uint32_t)> control_handler_;
  std::function<void()> worker_;
  DWORD worker_id_ = 0;
  CRITICAL_SECTION lock_;
};

struct Win32SecurityDescriptors final : SecurityDescriptors {
  Handle LocalAlloc(std::uint32_t flags) override;
  bool InitializeSecurityDescriptor(Handle descriptor, std::uint32_t revision) override;
  bool SetSecurityDescriptorDacl(Handle descriptor, bool dacl_present,
                                 bool dacl_defaulted) override;
  void LocalFree(Handle memory) override;
};

struct Win32Mailslots final : Mailslots {
  Handle CreateMailslotA(const std::string& name, std::uint32_t max_message_size,
                         std::uint32_t read_timeout, Handle descriptor,
                         bool inherit_handle) override;
  bool ReadFile(Handle file, std::span<std::uint8_t> buffer, std::uint32_t& bytes_read) override;
  Handle CreateFileA(const std::string& path) override;
  bool WriteFile(Handle file, std::span<const std::uint8_t> bytes) override;
  void CloseHandle(Handle file) override;
};

struct Win32EventLog final : EventLog {
  Handle RegisterEventSourceA(const std::string& source) override;
  void ReportEventA(Handle log, std::uint16_t type, std::uint16_t category, std::uint32_t event_id,
                    const std::vector<std::string>& strings) override;
  void DeregisterEventSource(Handle log) override;
  Handle RegCreateKeyExA(const std::string& subkey, bool& created) override;
  bool RegSetValueExA(Handle key, const std::string& name, const std::string& text) override;
  bool RegSetValueExA(Handle key, const std::string& name, std::uint32_t number) override;
  void RegCloseKey(Handle key) override;
  std::optional<std::string> GetModuleFileNameA() override;
};

struct Win32LocalClock final : LocalClock {
  timeproto::TimeField GetLocalTime() override;
  std::optional<std::string> GetComputerNameA() override;
};

}  // namespace timeserver
