// beaconry: the time service on Linux, run in the foreground by systemd (Type=notify).
#include "timeserver/linux/linux_platform.h"
#include "timeserver/linux/linux_service_host.h"
#include "timeserver/time_service.h"

// Everything lives in this frame, which never ends: RunBeaconry ends the process while the
// worker thread may still be using the service.
int main() {
  timeserver::LinuxServiceHost host;
  timeserver::LinuxSecurityDescriptors security;
  timeserver::LinuxServerMailslots mailslots;
  timeserver::JournalEventLog event_log;
  timeserver::LinuxLocalClock clock;
  timeserver::TimeService service({host, security, mailslots, event_log, clock});
  timeserver::RunBeaconry(host, service);
}
