#pragma once
// What the time service needs from the platform: one method per platform call, named after it,
// with plain values and handles as base::PlatformHandle. The Win32 layer fixes every argument
// not passed here.
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/platform_handle.h"
#include "timeproto/time_messages.h"

namespace timeserver {

using Handle = base::PlatformHandle;
using base::kInvalidHandle;
using base::kNoHandle;

// The platform's SERVICE_STATUS, field for field.
struct ServiceStatus {
  std::uint32_t dwServiceType = 0;
  std::uint32_t dwCurrentState = 0;
  std::uint32_t dwControlsAccepted = 0;
  std::uint32_t dwWin32ExitCode = 0;
  std::uint32_t dwServiceSpecificExitCode = 0;
  std::uint32_t dwCheckPoint = 0;
  std::uint32_t dwWaitHint = 0;
  friend bool operator==(const ServiceStatus&, const ServiceStatus&) = default;
};

// Dispatcher, control handler, status, events and threads.
struct ServiceHost {
  virtual ~ServiceHost() = default;
  // Runs `service_main` on a thread of its own as the service `name`; returns once the service
  // has stopped, or false at once when the dispatcher cannot start.
  virtual bool StartServiceCtrlDispatcherA(const std::string& name,
                                           std::function<void()> service_main) = 0;
  // The status handle, or kNoHandle; `handler` is then called on the dispatcher's thread.
  virtual Handle RegisterServiceCtrlHandlerA(const std::string& name,
                                             std::function<void(std::uint32_t)> handler) = 0;
  // False when the platform refuses the report.
  virtual bool SetServiceStatus(Handle status_handle, const ServiceStatus& status) = 0;
  // An unnamed event without security attributes, or kNoHandle.
  virtual Handle CreateEventA(bool manual_reset, bool initial_state) = 0;
  virtual void SetEvent(Handle event) = 0;
  virtual void ResetEvent(Handle event) = 0;
  virtual void WaitForSingleObject(Handle object, std::uint32_t milliseconds) = 0;
  virtual void CloseHandle(Handle object) = 0;
  // Starts `worker` at once with the default stack; the thread handle, or kNoHandle.
  virtual Handle CreateThread(std::function<void()> worker) = 0;
  virtual std::uint32_t GetLastError() = 0;
  // The service's one lock, a critical section: taken again by the thread that holds it.
  virtual void EnterCriticalSection() = 0;
  virtual void LeaveCriticalSection() = 0;
  // Ends the process at once and does not return: no destructor runs while another thread may
  // still use its object.
  virtual void ExitProcess(std::uint32_t exit_code) = 0;
};

// The security descriptor that lets anyone write to the server mailslot.
struct SecurityDescriptors {
  virtual ~SecurityDescriptors() = default;
  // Memory for one security descriptor (the platform's own minimum size), or kNoHandle.
  virtual Handle LocalAlloc(std::uint32_t flags) = 0;
  virtual bool InitializeSecurityDescriptor(Handle descriptor, std::uint32_t revision) = 0;
  // Always with no DACL (null): present and null grants everyone all access.
  virtual bool SetSecurityDescriptorDacl(Handle descriptor, bool dacl_present,
                                         bool dacl_defaulted) = 0;
  virtual void LocalFree(Handle memory) = 0;
};

struct Mailslots {
  virtual ~Mailslots() = default;
  // Security attributes of their own length holding `descriptor` and `inherit_handle`;
  // kInvalidHandle on failure.
  virtual Handle CreateMailslotA(const std::string& name, std::uint32_t max_message_size,
                                 std::uint32_t read_timeout, Handle descriptor,
                                 bool inherit_handle) = 0;
  // Blocks until one whole message is in `buffer`; false on failure.
  virtual bool ReadFile(Handle file, std::span<std::uint8_t> buffer, std::uint32_t& bytes_read) = 0;
  // Opens an existing file or mailslot for writing, shared for reading; kInvalidHandle on failure.
  virtual Handle CreateFileA(const std::string& path) = 0;
  virtual bool WriteFile(Handle file, std::span<const std::uint8_t> bytes) = 0;
  virtual void CloseHandle(Handle file) = 0;
};

// Entries, and the registry key that names the program holding the entries' texts.
struct EventLog {
  virtual ~EventLog() = default;
  // The local machine's event log under `source`, or kNoHandle.
  virtual Handle RegisterEventSourceA(const std::string& source) = 0;
  // One entry without user and without data.
  virtual void ReportEventA(Handle log, std::uint16_t type, std::uint16_t category,
                            std::uint32_t event_id, const std::vector<std::string>& strings) = 0;
  virtual void DeregisterEventSource(Handle log) = 0;
  // The key `subkey` of HKEY_LOCAL_MACHINE, opened for setting values or made; kNoHandle on
  // failure. `created` tells whether it was made.
  virtual Handle RegCreateKeyExA(const std::string& subkey, bool& created) = 0;
  // A REG_EXPAND_SZ value; false on failure.
  virtual bool RegSetValueExA(Handle key, const std::string& name, const std::string& text) = 0;
  // A REG_DWORD value; false on failure.
  virtual bool RegSetValueExA(Handle key, const std::string& name, std::uint32_t number) = 0;
  virtual void RegCloseKey(Handle key) = 0;
  // The path of this process's program file, or nothing.
  virtual std::optional<std::string> GetModuleFileNameA() = 0;
};

struct LocalClock {
  virtual ~LocalClock() = default;
  virtual timeproto::TimeField GetLocalTime() = 0;
  // This machine's name as read into a 16-byte buffer, or nothing.
  virtual std::optional<std::string> GetComputerNameA() = 0;
};

struct Platform {
  ServiceHost& host;
  SecurityDescriptors& security;
  Mailslots& mailslots;
  EventLog& event_log;
  LocalClock& clock;
};

}  // namespace timeserver
