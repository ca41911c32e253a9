#include "timeserver/service_codes.h"
#include "timeserver/time_service.h"

namespace timeserver {

int RunBeaconry(ServiceHost& host, TimeService& service) {
  if (host.StartServiceCtrlDispatcherA(kServiceName, [&service] { service.ServiceStart(); })) {
    return 0;
  }
  service.LogErrorAndStop("StartServiceCtrlDispatcher failed.");
  return 1;
}

}  // namespace timeserver
