#pragma once
// The time service: answers every valid time request on the server mailslot with this machine's
// name and local time, under the service control manager's start, pause, continue and stop.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "timeproto/time_messages.h"
#include "timeserver/platform.h"
#include "timeserver/service_codes.h"

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
  // The lock, held for a scope; the service thread, the control handler and the worker take it.
  class Locked {
   public:
    explicit Locked(ServiceHost& host) : host_(host) { host_.EnterCriticalSection(); }
    ~Locked() { host_.LeaveCriticalSection(); }
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;

   private:
    ServiceHost& host_;
  };

  void RegisterMessageFile();
  bool StartUp();
  bool CreateEvents();
  bool OpenServerMailslot(Handle& descriptor);
  bool FailWithDescriptor(Handle descriptor, std::string_view message);
  void End();
  // With the lock held: checks the request received and writes the reply.
  void Answer(std::size_t received);
  Handle OpenReplyMailslot(const std::string& requester);

  Platform platform_;
  // Under the lock: status reports, the recorded error code and the stop event, shared by the
  // service thread and the control handler's thread, so each report is whole; and each answer,
  // so that once a pause is reported no reply is written until the continue.
  Handle status_handle_ = kNoHandle;
  // The last state is start-pending from the beginning: an interrogation that comes before the
  // first report repeats it rather than sending a state the platform refuses.
  ServiceStatus status_{.dwServiceType = kServiceWin32OwnProcess,
                        .dwCurrentState = kServiceStartPending};
  std::uint32_t error_code_ = 0;
  Handle stop_event_ = kNoHandle;
  // Set while running, reset while paused: the worker waits on it after each read.
  Handle run_gate_ = kNoHandle;
  Handle server_mailslot_ = kNoHandle;
  std::string computer_name_;
  Handle worker_ = kNoHandle;
  std::array<std::uint8_t, timeproto::kMaxMessageSize> receive_buffer_{};
};

// The program entry: runs the dispatcher with `service` as the service "Beaconry", then ends the
// process with exit code 0, or 1 when the dispatcher could not start.
void RunBeaconry(ServiceHost& host, TimeService& service);

}  // namespace timeserver
