// Sends a service one control and prints the status it returns (Wine's sc has no pause or
// continue), or waits for a state.
//   svc_control <service> <control code>   ControlService: 1 stop, 2 pause, 3 continue, 4 …
//   svc_control <service> wait <state> <s> polls until the state is reached, at most <s> seconds
// Prints "state=… accepted=… exit=… checkpoint=… wait=…"; exit code 0 on success, 1 otherwise.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/win32/scoped_handle.h"

namespace {

struct CloseService {
  void operator()(SC_HANDLE handle) const { CloseServiceHandle(handle); }
};
using ScopedService = base::ScopedHandle<SC_HANDLE, CloseService>;

void PrintStatus(const SERVICE_STATUS& status) {
  std::printf("state=%lu accepted=%lu exit=%lu checkpoint=%lu wait=%lu\n", status.dwCurrentState,
              status.dwControlsAccepted, status.dwWin32ExitCode, status.dwCheckPoint,
              status.dwWaitHint);
}

int Control(SC_HANDLE service, DWORD control) {
  SERVICE_STATUS status{};
  if (!ControlService(service, control, &status)) {
    std::printf("ControlService failed: %lu\n", GetLastError());
    return 1;
  }
  PrintStatus(status);
  return 0;
}

int WaitForState(SC_HANDLE service, DWORD state, DWORD seconds) {
  SERVICE_STATUS status{};
  for (DWORD waited = 0; waited <= seconds * 10; ++waited) {
    if (!QueryServiceStatus(service, &status)) {
      std::printf("QueryServiceStatus failed: %lu\n", GetLastError());
      return 1;
    }
    if (status.dwCurrentState == state) {
      PrintStatus(status);
      return 0;
    }
    Sleep(100);
  }
  std::printf("still not in state %lu: ", state);
  PrintStatus(status);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  const bool wait = argc == 5 && std::string(argv[2]) == "wait";
  if (argc != 3 && !wait) {
    std::printf("usage: svc_control <service> <code> | <service> wait <state> <seconds>\n");
    return 1;
  }
  const ScopedService manager(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT));
  const ScopedService service(manager.IsValid()
                                  ? OpenServiceA(manager.Get(), argv[1],
                                                 SERVICE_STOP | SERVICE_PAUSE_CONTINUE |
                                                     SERVICE_INTERROGATE | SERVICE_QUERY_STATUS)
                                  : nullptr);
  int result = 1;
  if (!service.IsValid()) {
    std::printf("cannot open service %s: %lu\n", argv[1], GetLastError());
  } else if (wait) {
    result = WaitForState(service.Get(), std::strtoul(argv[3], nullptr, 10),
                          std::strtoul(argv[4], nullptr, 10));
  } else {
    result = Control(service.Get(), std::strtoul(argv[2], nullptr, 10));
  }
  return result;
}
