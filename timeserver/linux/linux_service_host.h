#pragma once
// The service host on Linux, in the foreground under systemd: the dispatcher is the main thread
// taking signals as controls, status reports go to sd_notify, events are condition variables.
#include <atomic>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>

#include "timeserver/platform.h"

namespace timeserver {

// Blocks the control signals in the calling thread, and in every thread it starts later: from
// then on they wait, pending, for the dispatcher instead of ending the process.
bool BlockControlSignals();

class LinuxServiceHost final : public ServiceHost {
 public:
  // `before_exit` runs first in ExitProcess: what must leave the machine before the process.
  explicit LinuxServiceHost(std::function<void()> before_exit = {})
      : before_exit_(std::move(before_exit)) {}
  bool StartServiceCtrlDispatcherA(const std::string& name,
                                   std::function<void()> service_main) override;
  Handle RegisterServiceCtrlHandlerA(const std::string& name,
                                     std::function<void(std::uint32_t)> handler) override;
  bool SetServiceStatus(Handle status_handle, const ServiceStatus& status) override;
  Handle CreateEventA(bool manual_reset, bool initial_state) override;
  void SetEvent(Handle event) override;
  void ResetEvent(Handle event) override;
  void WaitForSingleObject(Handle object, std::uint32_t milliseconds) override;
  void CloseHandle(Handle object) override;
  Handle CreateThread(std::function<void()> worker) override;
  std::uint32_t GetLastError() override;
  void EnterCriticalSection() override { lock_.lock(); }
  void LeaveCriticalSection() override { lock_.unlock(); }
  // Exit code 0 stands for the last report's (see ExitStatusFor), so that systemd sees how the
  // service ended.
  void ExitProcess(std::uint32_t exit_code) override;

 private:
  struct Event {
    std::mutex mutex;
    std::condition_variable changed;
    bool manual_reset = false;
    bool signalled = false;
  };
  Event* FindEvent(Handle handle);
  void RunControl(std::uint32_t control);

  std::function<void()> before_exit_;
  std::recursive_mutex lock_;
  std::mutex table_mutex_;  // the event table, the handler and the handle counter
  std::map<Handle, std::unique_ptr<Event>> events_;
  std::function<void(std::uint32_t)> control_handler_;
  Handle next_handle_ = 1;
  std::atomic<std::uint32_t> controls_accepted_ = 0;  // by the last status report
  ServiceStatus last_report_;                         // under table_mutex_
};

}  // namespace timeserver
