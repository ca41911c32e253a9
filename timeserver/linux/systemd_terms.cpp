#include "timeserver/linux/systemd_terms.h"

#include "timeserver/service_codes.h"

namespace timeserver {
namespace {

std::string MoreTime(std::uint32_t wait_hint_ms) {
  return "\nEXTEND_TIMEOUT_USEC=" + std::to_string(std::uint64_t{wait_hint_ms} * 1000);
}

}  // namespace

std::string NotifyText(const ServiceStatus& status) {
  switch (status.dwCurrentState) {
    case kServiceStartPending:
      return "STATUS=Starting, step " + std::to_string(status.dwCheckPoint) +
             MoreTime(status.dwWaitHint);
    case kServiceRunning:
      return "READY=1\nSTATUS=Running";
    case kServicePaused:
      return "STATUS=Paused";
    case kServiceStopPending:
      return "STOPPING=1\nSTATUS=Stopping" + MoreTime(status.dwWaitHint);
    case kServiceStopped:
      if (status.dwWin32ExitCode == 0) return "STATUS=Stopped";
      return "STATUS=Stopped, error " + std::to_string(status.dwWin32ExitCode) +
             "\nERRNO=" + std::to_string(status.dwWin32ExitCode);
    default:
      return "STATUS=State " + std::to_string(status.dwCurrentState);
  }
}

std::optional<std::uint32_t> ControlForSignal(int signal_number) {
  switch (signal_number) {
    case SIGTERM:
    case SIGINT:
      return kControlStop;
    case SIGUSR1:
      return kControlPause;
    case SIGUSR2:
      return kControlContinue;
    default:
      return std::nullopt;
  }
}

std::optional<std::uint32_t> ControlForQueuedValue(int value) {
  switch (value) {
    case kControlStop:
    case kControlPause:
    case kControlContinue:
      return static_cast<std::uint32_t>(value);
    default:
      return std::nullopt;
  }
}

int ExitStatusFor(const ServiceStatus& last) {
  if (last.dwCurrentState != kServiceStopped) return 1;
  const std::uint32_t code = last.dwWin32ExitCode;
  return code <= 255 ? static_cast<int>(code) : 1;
}

}  // namespace timeserver
