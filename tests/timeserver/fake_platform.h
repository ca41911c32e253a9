#pragma once
// A scripted platform for the time service: every call is recorded as text in order, results
// come from the fields below. Events are real enough to block a thread until they are set, the
// lock is a real lock, and every call changes the last error, a failed one to `failure_error`.
#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "test_threads.h"
#include "timeserver/platform.h"

namespace timeserver::testing {

inline constexpr Handle kStatusHandle = 0x51;
inline constexpr Handle kStopEvent = 0xE1;
inline constexpr Handle kRunGate = 0xE2;
inline constexpr Handle kDescriptor = 0x5D;
inline constexpr Handle kServerMailslotHandle = 0x3A;
inline constexpr Handle kWorkerThread = 0x7D;
inline constexpr Handle kEventLogHandle = 0xEE;
inline constexpr Handle kEventSourceKey = 0x6E;
inline constexpr char kProgramPath[] = R"(C:\svc\beaconry.exe)";

using Bytes = std::vector<std::uint8_t>;

struct FakePlatform : ServiceHost, SecurityDescriptors, Mailslots, EventLog, LocalClock {
  // Scripted results.
  bool dispatcher_starts = true;
  Handle status_handle = kStatusHandle;
  std::set<std::size_t> refused_reports;  // indexes of SetServiceStatus calls that fail
  std::deque<Handle> events = {kStopEvent, kRunGate};
  Handle descriptor = kDescriptor;
  bool descriptor_initialises = true;
  bool dacl_set = true;
  Handle server_mailslot = kServerMailslotHandle;
  std::optional<std::string> computer_name = "SRV";
  Handle worker_thread = kWorkerThread;
  std::uint32_t failure_error = 0;            // the last error a failed call leaves
  std::deque<std::optional<Bytes>> messages;  // nothing: the read fails
  std::map<std::string, Handle> openable_paths;
  bool writes_succeed = true;
  Handle event_log = kEventLogHandle;
  Handle event_source_key = kEventSourceKey;
  bool event_source_key_exists = false;
  std::optional<std::string> program_path = kProgramPath;
  timeproto::TimeField now;
  // Runs when a wait begins, before it blocks.
  std::function<void(Handle)> on_wait;
  // Run once the control handler is registered, before the call returns.
  std::function<void()> on_register;
  // Run when a file is opened, before the call returns.
  std::function<void()> on_open;

  // Recorded.
  std::vector<std::string> calls;
  std::vector<ServiceStatus> reports;
  std::vector<std::vector<std::string>> entries;
  std::vector<std::pair<Handle, Bytes>> writes;
  std::function<void()> service_main;
  std::function<void(std::uint32_t)> handler;
  std::function<void()> worker;

  std::vector<std::string> Calls();
  std::vector<std::pair<Handle, Bytes>> Writes();
  // Returns once a thread waits on `object`; a bound stops a broken test from hanging.
  void AwaitWaiter(Handle object);
  // Returns once a thread waits for the lock, or a report of `state` was made.
  void AwaitLockWaiterOrReport(std::uint32_t state);

  bool StartServiceCtrlDispatcherA(const std::string& name,
                                   std::function<void()> main_function) override;
  Handle RegisterServiceCtrlHandlerA(const std::string& name,
                                     std::function<void(std::uint32_t)> control) override;
  bool SetServiceStatus(Handle handle, const ServiceStatus& status) override;
  Handle CreateEventA(bool manual_reset, bool initial_state) override;
  void SetEvent(Handle event) override;
  void ResetEvent(Handle event) override;
  void WaitForSingleObject(Handle object, std::uint32_t milliseconds) override;
  void CloseHandle(Handle object) override;
  Handle CreateThread(std::function<void()> thread_function) override;
  std::uint32_t GetLastError() override;
  void EnterCriticalSection() override;
  void LeaveCriticalSection() override;
  // Recorded only: the test goes on.
  void ExitProcess(std::uint32_t exit_code) override;
  Handle LocalAlloc(std::uint32_t flags) override;
  bool InitializeSecurityDescriptor(Handle sd, std::uint32_t revision) override;
  bool SetSecurityDescriptorDacl(Handle sd, bool dacl_present, bool dacl_defaulted) override;
  void LocalFree(Handle memory) override;
  Handle CreateMailslotA(const std::string& name, std::uint32_t max_message_size,
                         std::uint32_t read_timeout, Handle sd, bool inherit_handle) override;
  bool ReadFile(Handle file, std::span<std::uint8_t> buffer, std::uint32_t& bytes_read) override;
  Handle CreateFileA(const std::string& path) override;
  bool WriteFile(Handle file, std::span<const std::uint8_t> bytes) override;
  Handle RegisterEventSourceA(const std::string& source) override;
  void ReportEventA(Handle log, std::uint16_t type, std::uint16_t category, std::uint32_t event_id,
                    const std::vector<std::string>& strings) override;
  void DeregisterEventSource(Handle log) override;
  Handle RegCreateKeyExA(const std::string& subkey, bool& created) override;
  bool RegSetValueExA(Handle key, const std::string& name, const std::string& text) override;
  bool RegSetValueExA(Handle key, const std::string& name, std::uint32_t number) override;
  void RegCloseKey(Handle key) override;
  std::optional<std::string> GetModuleFileNameA() override;
  timeproto::TimeField GetLocalTime() override;
  std::optional<std::string> GetComputerNameA() override;

  Platform AsPlatform() { return {*this, *this, *this, *this, *this}; }

 private:
  void Record(std::string call);
  // Sets the last error a failed call leaves; returns `result`.
  template <typename T>
  T Failed(T result);
  TestLock mutex_;
  std::uint32_t last_error_ = 0;
  std::map<Handle, bool> signalled_;
  std::set<Handle> waiting_;
  TestLock service_lock_;
  int lock_waiters_ = 0;
};

}  // namespace timeserver::testing
