#include "timeserver/service_codes.h"
#include "timeserver/time_service.h"

namespace timeserver {

// The whole decision is taken under the lock, so that it cannot interleave with the service
// thread's reports, and a pause waits for an answer being written.
void TimeService::ServiceControl(std::uint32_t control) {
  Locked locked(platform_.host);
  const std::uint32_t state = status_.dwCurrentState;
  if (control == kControlStop) {
    ReportStatus(kServiceStopPending, 0, 1, kStopWaitHint);
    if (stop_event_ != kNoHandle) platform_.host.SetEvent(stop_event_);
  } else if (control == kControlPause && state == kServiceRunning) {
    platform_.host.ResetEvent(run_gate_);
    ReportStatus(kServicePaused, 0, 0, 0);
  } else if (control == kControlContinue && state == kServicePaused) {
    platform_.host.SetEvent(run_gate_);
    ReportStatus(kServiceRunning, 0, 0, 0);
  } else {
    // Interrogate, an unknown code, or a pause or continue that does not fit: the worker stays
    // as it is, and so does the state reported.
    ReportStatus(state, status_.dwWin32ExitCode, 0, 0);
  }
}

}  // namespace timeserver
