#include "fake_platform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "timeserver/service_codes.h"

namespace timeserver::testing {
namespace {

constexpr auto kBound = std::chrono::seconds(10);
// The platform's answer to a report of state 0.
constexpr std::uint32_t kErrorInvalidData = 13;

std::string Hex(Handle handle) {
  char text[24];
  std::snprintf(text, sizeof text, "%#llx", static_cast<unsigned long long>(handle));
  return text;
}

std::string Text(std::uint32_t value) {
  return std::to_string(value);
}

// "name(arg,arg)", built by appending (gcc's -Wrestrict misfires on literal + temporary).
std::string Call(std::string_view name, std::initializer_list<std::string> args) {
  std::string call(name);
  call.append("(");
  for (const auto& arg : args) call.append(arg).append(",");
  if (args.size() > 0) call.pop_back();
  return call.append(")");
}

}  // namespace

// A call that succeeds leaves a last error of its own too, so a code read after another call
// is never the failed call's.
void FakePlatform::Record(std::string call) {
  TestLockGuard guard(mutex_);
  calls.push_back(std::move(call));
  last_error_ = 0xA000 + static_cast<std::uint32_t>(calls.size());
}

template <typename T>
T FakePlatform::Failed(T result) {
  TestLockGuard guard(mutex_);
  last_error_ = failure_error;
  return result;
}

std::vector<std::string> FakePlatform::Calls() {
  TestLockGuard guard(mutex_);
  return calls;
}

std::vector<std::pair<Handle, Bytes>> FakePlatform::Writes() {
  TestLockGuard guard(mutex_);
  return writes;
}

void FakePlatform::AwaitWaiter(Handle object) {
  TestLockGuard guard(mutex_);
  if (!WaitUntil(
          mutex_, [&] { return waiting_.count(object) > 0; }, kBound)) {
    ADD_FAILURE() << "nobody waits on " << Hex(object);
  }
}

void FakePlatform::AwaitLockWaiterOrReport(std::uint32_t state) {
  TestLockGuard guard(mutex_);
  const auto done = [&] {
    return lock_waiters_ > 0 || std::any_of(reports.begin(), reports.end(), [&](auto& report) {
             return report.dwCurrentState == state;
           });
  };
  if (!WaitUntil(mutex_, done, kBound)) ADD_FAILURE() << "no lock waiter, no report";
}

bool FakePlatform::StartServiceCtrlDispatcherA(const std::string& name,
                                               std::function<void()> main_function) {
  Record(Call("StartServiceCtrlDispatcherA", {name}));
  if (!dispatcher_starts) return Failed(false);
  service_main = main_function;
  main_function();
  return true;
}

Handle FakePlatform::RegisterServiceCtrlHandlerA(const std::string& name,
                                                 std::function<void(std::uint32_t)> control) {
  Record(Call("RegisterServiceCtrlHandlerA", {name}));
  handler = control;
  if (on_register) on_register();
  return status_handle == kNoHandle ? Failed(kNoHandle) : status_handle;
}

bool FakePlatform::SetServiceStatus(Handle handle, const ServiceStatus& status) {
  Record(Call("SetServiceStatus", {Hex(handle)}));
  TestLockGuard guard(mutex_);
  const bool refused = refused_reports.count(reports.size()) > 0;
  reports.push_back(status);
  // The platform refuses a state of 0 with a code of its own.
  if (status.dwCurrentState == 0) {
    last_error_ = kErrorInvalidData;
    return false;
  }
  return !refused || Failed(false);
}

Handle FakePlatform::CreateEventA(bool manual_reset, bool initial_state) {
  Record(Call("CreateEventA", {Text(manual_reset), Text(initial_state)}));
  TestLockGuard guard(mutex_);
  const Handle event = events.empty() ? kNoHandle : events.front();
  if (!events.empty()) events.pop_front();
  if (event == kNoHandle) return Failed(kNoHandle);
  signalled_[event] = initial_state;
  return event;
}

void FakePlatform::SetEvent(Handle event) {
  Record(Call("SetEvent", {Hex(event)}));
  TestLockGuard guard(mutex_);
  signalled_[event] = true;
}

void FakePlatform::ResetEvent(Handle event) {
  Record(Call("ResetEvent", {Hex(event)}));
  TestLockGuard guard(mutex_);
  signalled_[event] = false;
}

void FakePlatform::WaitForSingleObject(Handle object, std::uint32_t milliseconds) {
  Record(Call("WaitForSingleObject", {Hex(object), Text(milliseconds)}));
  if (on_wait) on_wait(object);
  TestLockGuard guard(mutex_);
  waiting_.insert(object);
  if (!WaitUntil(
          mutex_, [&] { return signalled_[object]; }, kBound)) {
    ADD_FAILURE() << "wait on " << Hex(object) << " never ends";
  }
  waiting_.erase(object);
}

void FakePlatform::CloseHandle(Handle object) {
  Record(Call("CloseHandle", {Hex(object)}));
}

Handle FakePlatform::CreateThread(std::function<void()> thread_function) {
  Record("CreateThread");
  worker = thread_function;
  return worker_thread == kNoHandle ? Failed(kNoHandle) : worker_thread;
}

std::uint32_t FakePlatform::GetLastError() {
  TestLockGuard guard(mutex_);
  return last_error_;
}

// Not recorded: the tests look at what the lock keeps apart, not at each use.
void FakePlatform::EnterCriticalSection() {
  if (service_lock_.TryEnter()) return;
  {
    TestLockGuard guard(mutex_);
    ++lock_waiters_;
  }
  service_lock_.Enter();
  TestLockGuard guard(mutex_);
  --lock_waiters_;
}

void FakePlatform::LeaveCriticalSection() {
  service_lock_.Leave();
}

void FakePlatform::ExitProcess(std::uint32_t exit_code) {
  Record(Call("ExitProcess", {Text(exit_code)}));
}

Handle FakePlatform::LocalAlloc(std::uint32_t flags) {
  Record(Call("LocalAlloc", {Hex(flags)}));
  return descriptor == kNoHandle ? Failed(kNoHandle) : descriptor;
}

bool FakePlatform::InitializeSecurityDescriptor(Handle sd, std::uint32_t revision) {
  Record(Call("InitializeSecurityDescriptor", {Hex(sd), Text(revision)}));
  return descriptor_initialises || Failed(false);
}

bool FakePlatform::SetSecurityDescriptorDacl(Handle sd, bool dacl_present, bool dacl_defaulted) {
  Record(Call("SetSecurityDescriptorDacl", {Hex(sd), Text(dacl_present), Text(dacl_defaulted)}));
  return dacl_set || Failed(false);
}

void FakePlatform::LocalFree(Handle memory) {
  Record(Call("LocalFree", {Hex(memory)}));
}

Handle FakePlatform::CreateMailslotA(const std::string& name, std::uint32_t max_message_size,
                                     std::uint32_t read_timeout, Handle sd, bool inherit_handle) {
  Record(Call("CreateMailslotA",
              {name, Text(max_message_size), Text(read_timeout), Hex(sd), Text(inherit_handle)}));
  return server_mailslot == kInvalidHandle ? Failed(kInvalidHandle) : server_mailslot;
}

bool FakePlatform::ReadFile(Handle file, std::span<std::uint8_t> buffer,
                            std::uint32_t& bytes_read) {
  Record(Call("ReadFile", {Hex(file), Text(static_cast<std::uint32_t>(buffer.size()))}));
  TestLockGuard guard(mutex_);
  if (messages.empty()) {
    ADD_FAILURE() << "read with no message scripted";
    return Failed(false);
  }
  const auto message = messages.front();
  messages.pop_front();
  if (!message) return Failed(false);
  const std::size_t size = std::min(message->size(), buffer.size());
  std::copy_n(message->begin(), size, buffer.begin());
  bytes_read = static_cast<std::uint32_t>(size);
  return true;
}

Handle FakePlatform::CreateFileA(const std::string& path) {
  Record(Call("CreateFileA", {path}));
  if (on_open) on_open();
  const auto found = openable_paths.find(path);
  return found == openable_paths.end() ? Failed(kInvalidHandle) : found->second;
}

bool FakePlatform::WriteFile(Handle file, std::span<const std::uint8_t> bytes) {
  Record(Call("WriteFile", {Hex(file)}));
  TestLockGuard guard(mutex_);
  writes.emplace_back(file, Bytes(bytes.begin(), bytes.end()));
  return writes_succeed || Failed(false);
}

Handle FakePlatform::RegisterEventSourceA(const std::string& source) {
  Record(Call("RegisterEventSourceA", {source}));
  return event_log == kNoHandle ? Failed(kNoHandle) : event_log;
}

void FakePlatform::ReportEventA(Handle log, std::uint16_t type, std::uint16_t category,
                                std::uint32_t event_id, const std::vector<std::string>& strings) {
  Record(Call("ReportEventA", {Hex(log), Text(type), Text(category), Text(event_id)}));
  TestLockGuard guard(mutex_);
  entries.push_back(strings);
}

void FakePlatform::DeregisterEventSource(Handle log) {
  Record(Call("DeregisterEventSource", {Hex(log)}));
}

Handle FakePlatform::RegCreateKeyExA(const std::string& subkey, bool& created) {
  Record(Call("RegCreateKeyExA", {subkey}));
  created = !event_source_key_exists;
  return event_source_key == kNoHandle ? Failed(kNoHandle) : event_source_key;
}

bool FakePlatform::RegSetValueExA(Handle key, const std::string& name, const std::string& text) {
  Record(Call("RegSetValueExA", {Hex(key), name, text}));
  return true;
}

bool FakePlatform::RegSetValueExA(Handle key, const std::string& name, std::uint32_t number) {
  Record(Call("RegSetValueExA", {Hex(key), name, Text(number)}));
  return true;
}

void FakePlatform::RegCloseKey(Handle key) {
  Record(Call("RegCloseKey", {Hex(key)}));
}

std::optional<std::string> FakePlatform::GetModuleFileNameA() {
  Record("GetModuleFileNameA");
  return program_path ? program_path : Failed(std::optional<std::string>());
}

timeproto::TimeField FakePlatform::GetLocalTime() {
  Record("GetLocalTime");
  TestLockGuard guard(mutex_);
  return now;
}

std::optional<std::string> FakePlatform::GetComputerNameA() {
  Record("GetComputerNameA");
  return computer_name ? computer_name : Failed(std::optional<std::string>());
}

}  // namespace timeserver::testing
