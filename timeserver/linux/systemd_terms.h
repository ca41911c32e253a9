#pragma once
// The service's reports and controls in systemd's terms: a status report becomes an sd_notify
// message, and signals stand for the control codes.
#include <csignal>
#include <cstdint>
#include <optional>
#include <string>

#include "timeserver/platform.h"

namespace timeserver {

// READY once running, STOPPING once stopping, the wait hint as more start or stop time, and the
// final report's exit code as ERRNO.
std::string NotifyText(const ServiceStatus& status);
// SIGTERM and SIGINT stop, SIGUSR1 pauses, SIGUSR2 continues; nothing for other signals.
std::optional<std::uint32_t> ControlForSignal(int signal_number);
// Standard signals sent together are taken lowest number first, so a continue sent before a
// pause may come after it. Values queued (sigqueue) on this one real-time signal keep their
// order: each is a control code, 1 stop, 2 pause, 3 continue.
inline int QueuedControlSignal() {
  return SIGRTMIN + 1;
}
std::optional<std::uint32_t> ControlForQueuedValue(int value);
// The process's exit status after the last report `last`: 0 once stopped cleanly, the error
// code once stopped on one (as systemd takes ERRNO=), 1 for a code no status holds or when
// the service ended without reporting its stop.
int ExitStatusFor(const ServiceStatus& last);

}  // namespace timeserver
