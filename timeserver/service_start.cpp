#include "timeserver/service_codes.h"
#include "timeserver/time_service.h"

namespace timeserver {

void TimeService::ServiceStart() {
  {
    Locked locked(platform_.host);
    status_handle_ = platform_.host.RegisterServiceCtrlHandlerA(
        kServiceName, [this](std::uint32_t control) { ServiceControl(control); });
    if (status_handle_ == kNoHandle) return;
  }
  RegisterMessageFile();
  if (StartUp()) platform_.host.WaitForSingleObject(stop_event_, kInfinite);
  End();
}

// The event viewer shows the entries' texts only when the source names the program holding
// them. An existing key is left as it is; a key that cannot be made costs only those texts.
void TimeService::RegisterMessageFile() {
  auto& event_log = platform_.event_log;
  bool created = false;
  const Handle key = event_log.RegCreateKeyExA(kEventSourceKey, created);
  if (key == kNoHandle) return;
  if (created) {
    if (const auto program = event_log.GetModuleFileNameA()) {
      event_log.RegSetValueExA(key, "EventMessageFile", *program);
    }
    event_log.RegSetValueExA(key, "TypesSupported", kTypesSupported);
  }
  event_log.RegCloseKey(key);
}

// Every failure has either been logged (and so signalled the stop event) or is ended at once.
bool TimeService::StartUp() {
  if (!ReportStatus(kServiceStartPending, 0, 1, kStartWaitHint)) return false;
  if (!CreateEvents()) return false;
  if (!ReportStatus(kServiceStartPending, 0, 2, kStartWaitHint)) return false;
  Handle descriptor = kNoHandle;
  if (!OpenServerMailslot(descriptor)) return false;
  auto name = platform_.clock.GetComputerNameA();
  if (!name) return FailWithDescriptor(descriptor, "GetComputerName");
  computer_name_ = *name;
  worker_ = platform_.host.CreateThread([this] { ServeRequests(); });
  if (worker_ == kNoHandle) return false;
  return ReportStatus(kServiceRunning, 0, 0, 0);
}

// The stop event, and the run gate the worker passes after each read (open until a pause). The
// gate, like the mailslot and the worker, stays until the process ends: the worker may be
// waiting on it when the service stops.
bool TimeService::CreateEvents() {
  Locked locked(platform_.host);
  stop_event_ = platform_.host.CreateEventA(true, false);
  if (stop_event_ == kNoHandle) return false;
  run_gate_ = platform_.host.CreateEventA(true, true);
  return run_gate_ != kNoHandle;
}

// `descriptor` is kept for the caller: a failure later in the start frees it too.
bool TimeService::OpenServerMailslot(Handle& descriptor) {
  auto& security = platform_.security;
  descriptor = security.LocalAlloc(kLptr);
  if (descriptor == kNoHandle) {
    LogErrorAndStop("LocalAlloc pSD failed");
    return false;
  }
  if (!security.InitializeSecurityDescriptor(descriptor, kSecurityDescriptorRevision)) {
    return FailWithDescriptor(descriptor, "InitializeSecurityDescriptor failed");
  }
  if (!security.SetSecurityDescriptorDacl(descriptor, true, false)) {
    return FailWithDescriptor(descriptor, "SetSecurityDescriptorDacl failed");
  }
  server_mailslot_ =
      platform_.mailslots.CreateMailslotA(timeproto::kServerMailslot, timeproto::kMaxMessageSize,
                                          kMailslotWaitForever, descriptor, true);
  if (server_mailslot_ == kInvalidHandle) return FailWithDescriptor(descriptor, "CreateMailslot");
  return true;
}

// Logged first, so that the error code recorded is the failed call's.
bool TimeService::FailWithDescriptor(Handle descriptor, std::string_view message) {
  LogErrorAndStop(message);
  platform_.security.LocalFree(descriptor);
  return false;
}

void TimeService::End() {
  Locked locked(platform_.host);
  // Forgotten once closed, so that a later failed report cannot signal a reused handle.
  if (stop_event_ != kNoHandle) {
    platform_.host.CloseHandle(stop_event_);
    stop_event_ = kNoHandle;
  }
  ReportStatus(kServiceStopped, error_code_, 0, 0);
}

}  // namespace timeserver
