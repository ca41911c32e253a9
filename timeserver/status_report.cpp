#include <string>

#include "timeserver/service_codes.h"
#include "timeserver/time_service.h"

namespace timeserver {

bool TimeService::ReportStatus(std::uint32_t state, std::uint32_t exit_code,
                               std::uint32_t checkpoint, std::uint32_t wait_hint) {
  Locked locked(platform_.host);
  status_.dwControlsAccepted = state == kServiceStartPending ? 0 : kAcceptedControls;
  status_.dwCurrentState = state;
  status_.dwWin32ExitCode = exit_code;
  status_.dwCheckPoint = checkpoint;
  status_.dwWaitHint = wait_hint;
  const bool accepted = platform_.host.SetServiceStatus(status_handle_, status_);
  // Still under the lock and before anything else, so the last error is the refused report's.
  if (!accepted) LogErrorAndStop("SetServiceStatus");
  return accepted;
}

void TimeService::LogErrorAndStop(std::string_view message) {
  const std::uint32_t code = platform_.host.GetLastError();
  Locked locked(platform_.host);
  error_code_ = code;
  auto& event_log = platform_.event_log;
  const Handle log = event_log.RegisterEventSourceA(kServiceName);
  if (log != kNoHandle) {
    const std::string first = "Beaconry error: " + std::to_string(static_cast<std::int32_t>(code));
    event_log.ReportEventA(log, kEventlogErrorType, 0, kErrorEventId,
                           {first, std::string(message)});
    event_log.DeregisterEventSource(log);
  }
  if (stop_event_ != kNoHandle) platform_.host.SetEvent(stop_event_);
}

}  // namespace timeserver
