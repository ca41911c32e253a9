// beaconry: the time service. Run by the service control manager as the service "Beaconry".
#include "timeserver/time_service.h"
#include "timeserver/win32/win32_platform.h"

int main() {
  static timeserver::Win32ServiceHost host;
  static timeserver::Win32SecurityDescriptors security;
  static timeserver::Win32Mailslots mailslots;
  static timeserver::Win32EventLog event_log;
  static timeserver::Win32LocalClock clock;
  // Never destroyed: the worker thread runs on until the process ends.
  auto* service = new timeserver::TimeService({host, security, mailslots, event_log, clock});
  return timeserver::RunBeaconry(host, *service);
}
