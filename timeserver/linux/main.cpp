// beaconry: the time service on Linux, run in the foreground by systemd (Type=notify).
#include "timeserver/linux/linux_platform.h"
#include "timeserver/linux/linux_service_host.h"
#include "timeserver/service_codes.h"
#include "timeserver/time_service.h"

namespace {

// The program's first code, before any initialiser of its own or of its libraries: systemd may
// signal a control the moment the process exists, and a control signal must never end it.
void BlockControlSignalsAtStart(int, char**, char**) {
  timeserver::BlockControlSignals();
}
[[gnu::used, gnu::section(".preinit_array")]] void (*const block_at_start)(int, char**, char**) =
    BlockControlSignalsAtStart;

}  // namespace

// Everything lives in this frame, which never ends: RunBeaconry ends the process while the
// worker thread may still be using the service.
int main() {
  timeserver::LinuxServerMailslots mailslots([](const std::string& line) {
    timeserver::JournalEventLog::Warn(timeserver::kServiceName, line);
  });
  // The names are given up on the way out: the process ends without unwinding this frame.
  timeserver::LinuxServiceHost host([&mailslots] { mailslots.ReleaseNames(); });
  timeserver::LinuxSecurityDescriptors security;
  timeserver::JournalEventLog event_log;
  timeserver::LinuxLocalClock clock;
  timeserver::TimeService service({host, security, mailslots, event_log, clock});
  timeserver::RunBeaconry(host, service);
}
