#include "timeserver/service_codes.h"
#include "timeserver/time_service.h"

namespace timeserver {

void RunBeaconry(ServiceHost& host, TimeService& service) {
  const bool ran =
      host.StartServiceCtrlDispatcherA(kServiceName, [&service] { service.ServiceStart(); });
  if (!ran) service.LogErrorAndStop("StartServiceCtrlDispatcher failed.");
  host.ExitProcess(ran ? 0 : 1);
}

}  // namespace timeserver
