// beaconry: the time service. Run by the service control manager as the service "Beaconry".
#include "timeserver/time_service.h"
#include "timeserver/win32/win32_platform.h"

// Everything lives in this frame, which never ends: RunBeaconry ends the process while the
// worker thread may still be using the service.
int main() {
  timeserver::Win32ServiceHost host;
  timeserver::Win32SecurityDescriptors security;
  timeserver::Win32Mailslots mailslots;
  timeserver::Win32EventLog event_log;
  timeserver::Win32LocalClock clock;
  timeserver::TimeService service({host, security, mailslots, event_log, clock});
  timeserver::RunBeaconry(host, service);
}
