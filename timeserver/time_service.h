#pragma once
// The time service: answers every valid time request on the server mailslot with this machine's
// name and local time, under the service control manager's start, pause, continue and stop.
#include <array>
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>

#include "timeproto/time_messages.h"
#include "timeserver/platform.h"

namespace timeserver {

class TimeService {
 public:
  explicit TimeService(const Platform& platform) : platform_(platform) {}

  // The service main function: starts, serves until stopped, reports the end.
  void ServiceStart();
  // The control handler, on the dispatcher's thread.
  void ServiceControl(std::uint32_t control);
  // The worker thread: serves requests one at a time, for ever.
  [[noreturn]] void ServeRequests();
  // One pass of the worker's loop: reads one message and answers it if it is a valid request.
  void ServeRequest();

  bool ReportStatus(std::uint32_t state, std::uint32_t exit_code, std::uint32_t checkpoint,
                    std::uint32_t wait_hint);
  void LogErrorAndStop(std::string_view message);

 private:
  bool StartUp();
  bool CreateEvents();
  bool OpenServerMailslot(Handle& descriptor);
  bool FailWithDescriptor(Handle descriptor, std::string_view message);
  void End();
  Handle OpenReplyMailslot(const std::string& requester);

  Platform platform_;
  // Status reports, the recorded error code and the stop event are shared by the service
  // thread and the control handler's thread; the lock keeps each report whole.
  std::recursive_mutex lock_;
  Handle status_handle_ = kNoHandle;
  ServiceStatus status_;
  std::uint32_t error_code_ = 0;
  Handle stop_event_ = kNoHandle;
  // Set while running, reset while paused: the worker waits on it after each read.
  Handle run_gate_ = kNoHandle;
  Handle server_mailslot_ = kNoHandle;
  std::string computer_name_;
  Handle worker_ = kNoHandle;
  std::array<std::uint8_t, timeproto::kMaxMessageSize> receive_buffer_{};
};

// The program entry: runs the dispatcher with `service` as the service "Beaconry"; the process
// exit code, 1 when the dispatcher could not start. `service` must outlive the process's threads.
int RunBeaconry(ServiceHost& host, TimeService& service);

}  // namespace timeserver
