#pragma once
// The service's reports and controls in systemd's terms: a status report becomes an sd_notify
// message, and signals stand for the control codes.
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

}  // namespace timeserver
