#include "fake_platform.h"

#include <gtest/gtest.h>

#include <chrono>

namespace timeserver::testing {
namespace {

constexpr auto kBound = std::chrono::seconds(10);

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

void FakePlatform::Record(std::string call) {
  std::lock_guard guard(mutex_);
  calls.push_back(std::move(call));
}

std::vector<std::string> FakePlatform::Calls() {
  std::lock_guard guard(mutex_);
  return calls;
}

std::vector<std::pair<Handle, Bytes>> FakePlatform::Writes() {
  std::lock_guard guard(mutex_);
  return writes;
}

void FakePlatform::AwaitWaiter(Handle object) {
  std::unique_lock guard(mutex_);
  if (!changed_.wait_for(guard, kBound, [&] { return waiting_.count(object) > 0; })) {
    ADD_FAILURE() << "nobody waits on " << Hex(object);
  }
}

bool FakePlatform::StartServiceCtrlDispatcherA(const std::string& name,
                                               std::function<void()> main_function) {
  Record(Call("StartServiceCtrlDispatcherA", {name}));
  if (!dispatcher_starts) return false;
  service_main = main_function;
  main_function();
  return true;
}

Handle FakePlatform::RegisterServiceCtrlHandlerA(const std::string& name,
                                                 std::function<void(std::uint32_t)> control) {
  Record(Call("RegisterServiceCtrlHandlerA", {name}));
  handler = control;
  return status_handle;
}

bool FakePlatform::SetServiceStatus(Handle handle, const ServiceStatus& status) {
  Record(Call("SetServiceStatus", {Hex(handle)}));
  std::lock_guard guard(mutex_);
  const bool accepted = refused_reports.count(reports.size()) == 0;
  reports.push_back(status);
  return accepted;
}

Handle FakePlatform::CreateEventA(bool manual_reset, bool initial_state) {
  Record(Call("CreateEventA", {Text(manual_reset), Text(initial_state)}));
  std::lock_guard guard(mutex_);
  const Handle event = events.empty() ? kNoHandle : events.front();
  if (!events.empty()) events.pop_front();
  if (event != kNoHandle) signalled_[event] = initial_state;
  return event;
}

void FakePlatform::SetEvent(Handle event) {
  Record(Call("SetEvent", {Hex(event)}));
  std::lock_guard guard(mutex_);
  signalled_[event] = true;
  changed_.notify_all();
}

void FakePlatform::ResetEvent(Handle event) {
  Record(Call("ResetEvent", {Hex(event)}));
  std::lock_guard guard(mutex_);
  signalled_[event] = false;
}

void FakePlatform::WaitForSingleObject(Handle object, std::uint32_t milliseconds) {
  Record(Call("WaitForSingleObject", {Hex(object), Text(milliseconds)}));
  if (on_wait) on_wait(object);
  std::unique_lock guard(mutex_);
  waiting_.insert(object);
  changed_.notify_all();
  if (!changed_.wait_for(guard, kBound, [&] { return signalled_[object]; })) {
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
  return worker_thread;
}

std::uint32_t FakePlatform::GetLastError() {
  return last_error;
}

Handle FakePlatform::LocalAlloc(std::uint32_t flags, std::size_t bytes) {
  Record(Call("LocalAlloc", {Hex(flags), Text(static_cast<std::uint32_t>(bytes))}));
  return descriptor;
}

bool FakePlatform::InitializeSecurityDescriptor(Handle sd, std::uint32_t revision) {
  Record(Call("InitializeSecurityDescriptor", {Hex(sd), Text(revision)}));
  return descriptor_initialises;
}

bool FakePlatform::SetSecurityDescriptorDacl(Handle sd, bool dacl_present, bool dacl_defaulted) {
  Record(Call("SetSecurityDescriptorDacl", {Hex(sd), Text(dacl_present), Text(dacl_defaulted)}));
  return dacl_set;
}

void FakePlatform::LocalFree(Handle memory) {
  Record(Call("LocalFree", {Hex(memory)}));
}

Handle FakePlatform::CreateMailslotA(const std::string& name, std::uint32_t max_message_size,
                                     std::uint32_t read_timeout, Handle sd, bool inherit_handle) {
  Record(Call("CreateMailslotA",
              {name, Text(max_message_size), Text(read_timeout), Hex(sd), Text(inherit_handle)}));
  return server_mailslot;
}

bool FakePlatform::ReadFile(Handle file, std::span<std::uint8_t> buffer,
                            std::uint32_t& bytes_read) {
  Record(Call("ReadFile", {Hex(file), Text(static_cast<std::uint32_t>(buffer.size()))}));
  std::lock_guard guard(mutex_);
  if (messages.empty()) {
    ADD_FAILURE() << "read with no message scripted";
    return false;
  }
  const auto message = messages.front();
  messages.pop_front();
  if (!message) return false;
  const std::size_t size = std::min(message->size(), buffer.size());
  std::copy_n(message->begin(), size, buffer.begin());
  bytes_read = static_cast<std::uint32_t>(size);
  return true;
}

Handle FakePlatform::CreateFileA(const std::string& path) {
  Record(Call("CreateFileA", {path}));
  const auto found = openable_paths.find(path);
  return found == openable_paths.end() ? kInvalidHandle : found->second;
}

bool FakePlatform::WriteFile(Handle file, std::span<const std::uint8_t> bytes) {
  Record(Call("WriteFile", {Hex(file)}));
  std::lock_guard guard(mutex_);
  writes.emplace_back(file, Bytes(bytes.begin(), bytes.end()));
  return writes_succeed;
}

Handle FakePlatform::RegisterEventSourceA(const std::string& source) {
  Record(Call("RegisterEventSourceA", {source}));
  return event_log;
}

void FakePlatform::ReportEventA(Handle log, std::uint16_t type, std::uint16_t category,
                                std::uint32_t event_id, const std::vector<std::string>& strings) {
  Record(Call("ReportEventA", {Hex(log), Text(type), Text(category), Text(event_id)}));
  std::lock_guard guard(mutex_);
  entries.push_back(strings);
}

void FakePlatform::DeregisterEventSource(Handle log) {
  Record(Call("DeregisterEventSource", {Hex(log)}));
}

timeproto::TimeField FakePlatform::GetLocalTime() {
  Record("GetLocalTime");
  std::lock_guard guard(mutex_);
  return now;
}

std::optional<std::string> FakePlatform::GetComputerNameA() {
  Record("GetComputerNameA");
  return computer_name;
}

}  // namespace timeserver::testing
