#include "timeserver/linux/linux_service_host.h"

#include <poll.h>
#include <pthread.h>
#include <sys/eventfd.h>
#include <sys/signalfd.h>
#include <systemd/sd-daemon.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <system_error>
#include <thread>

#include "base/posix/scoped_fd.h"
#include "timeserver/linux/systemd_terms.h"
#include "timeserver/service_codes.h"

namespace timeserver {
namespace {

using base::ScopedFd;

// How often a held control is offered again.
constexpr int kHeldControlRetryMs = 20;
constexpr std::uint32_t kNoControl = 0;

// The bits of a status report's accepted controls: stop, and pause with continue.
bool IsAccepted(std::uint32_t control, std::uint32_t controls_accepted) {
  const std::uint32_t bit = control == kControlStop ? 1 : 2;
  return (controls_accepted & bit) != 0;
}

sigset_t ControlSignals() {
  sigset_t signals;
  sigemptyset(&signals);
  for (int s : {SIGTERM, SIGINT, SIGUSR1, SIGUSR2, QueuedControlSignal()}) sigaddset(&signals, s);
  return signals;
}

std::optional<std::uint32_t> ControlFor(const signalfd_siginfo& info) {
  const int signal_number = static_cast<int>(info.ssi_signo);
  if (signal_number != QueuedControlSignal()) return ControlForSignal(signal_number);
  if (info.ssi_code != SI_QUEUE) return std::nullopt;
  return ControlForQueuedValue(info.ssi_int);
}

}  // namespace

bool BlockControlSignals() {
  const sigset_t signals = ControlSignals();
  return pthread_sigmask(SIG_BLOCK, &signals, nullptr) == 0;
}

// The control signals are blocked before any thread starts, so every thread inherits the block
// and they arrive only here, one at a time, as on the platform's dispatcher thread.
bool LinuxServiceHost::StartServiceCtrlDispatcherA(const std::string&,
                                                   std::function<void()> service_main) {
  if (!BlockControlSignals()) return false;
  const sigset_t signals = ControlSignals();
  // Once blocked, each back to its default: one the starting shell left ignored (as a shell
  // does SIGINT for a job in the background) would be discarded instead of left pending.
  for (int s = 1; s < NSIG; ++s) {
    if (sigismember(&signals, s) == 1) std::signal(s, SIG_DFL);
  }
  ScopedFd signal_fd(signalfd(-1, &signals, SFD_CLOEXEC));
  ScopedFd service_ended(eventfd(0, EFD_CLOEXEC));
  if (!signal_fd.IsValid() || !service_ended.IsValid()) return false;
  std::thread service;
  try {
    service = std::thread([&] {
      service_main();
      eventfd_write(service_ended.Get(), 1);
    });
  } catch (const std::system_error& failure) {
    errno = failure.code().value();
    return false;
  }
  // The platform refuses a control the service's last report does not accept; systemd signals
  // regardless, so such a control is held until accepted (a held stop is never replaced).
  std::uint32_t held = kNoControl;
  pollfd watched[] = {{signal_fd.Get(), POLLIN, 0}, {service_ended.Get(), POLLIN, 0}};
  for (;;) {
    if (poll(watched, 2, held != kNoControl ? kHeldControlRetryMs : -1) < 0) {
      if (errno == EINTR) continue;
      break;
    }
    if (watched[1].revents != 0) break;
    signalfd_siginfo info;
    if (watched[0].revents != 0 && read(signal_fd.Get(), &info, sizeof info) == sizeof info) {
      const auto control = ControlFor(info);
      if (control && held != kControlStop) held = *control;
    }
    if (held != kNoControl && IsAccepted(held, controls_accepted_)) {
      RunControl(held);
      held = kNoControl;
    }
  }
  service.join();
  return true;
}

void LinuxServiceHost::RunControl(std::uint32_t control) {
  std::function<void(std::uint32_t)> handler;
  {
    std::lock_guard guard(table_mutex_);
    handler = control_handler_;
  }
  if (handler) handler(control);
}

Handle LinuxServiceHost::RegisterServiceCtrlHandlerA(const std::string&,
                                                     std::function<void(std::uint32_t)> handler) {
  std::lock_guard guard(table_mutex_);
  control_handler_ = std::move(handler);
  return next_handle_++;
}

// Outside systemd (no NOTIFY_SOCKET) sd_notify sends nothing and reports success.
bool LinuxServiceHost::SetServiceStatus(Handle, const ServiceStatus& status) {
  // As the platform's manager, nothing is sent to a stopped service.
  controls_accepted_ = status.dwCurrentState == kServiceStopped ? 0 : status.dwControlsAccepted;
  {
    std::lock_guard guard(table_mutex_);
    last_report_ = status;
  }
  const int sent = sd_notify(0, NotifyText(status).c_str());
  if (sent < 0) errno = -sent;
  return sent >= 0;
}

Handle LinuxServiceHost::CreateEventA(bool manual_reset, bool initial_state) {
  auto event = std::make_unique<Event>();
  event->manual_reset = manual_reset;
  event->signalled = initial_state;
  std::lock_guard guard(table_mutex_);
  const Handle handle = next_handle_++;
  events_[handle] = std::move(event);
  return handle;
}

LinuxServiceHost::Event* LinuxServiceHost::FindEvent(Handle handle) {
  std::lock_guard guard(table_mutex_);
  const auto found = events_.find(handle);
  return found == events_.end() ? nullptr : found->second.get();
}

void LinuxServiceHost::SetEvent(Handle handle) {
  Event* event = FindEvent(handle);
  if (event == nullptr) return;
  std::lock_guard guard(event->mutex);
  event->signalled = true;
  event->changed.notify_all();
}

void LinuxServiceHost::ResetEvent(Handle handle) {
  Event* event = FindEvent(handle);
  if (event == nullptr) return;
  std::lock_guard guard(event->mutex);
  event->signalled = false;
}

void LinuxServiceHost::WaitForSingleObject(Handle handle, std::uint32_t milliseconds) {
  Event* event = FindEvent(handle);
  if (event == nullptr) return;
  std::unique_lock guard(event->mutex);
  const auto signalled = [event] { return event->signalled; };
  if (milliseconds == kInfinite) {
    event->changed.wait(guard, signalled);
  } else if (!event->changed.wait_for(guard, std::chrono::milliseconds(milliseconds), signalled)) {
    return;
  }
  if (!event->manual_reset) event->signalled = false;
}

void LinuxServiceHost::CloseHandle(Handle handle) {
  std::lock_guard guard(table_mutex_);
  events_.erase(handle);
}

// Detached: like the platform's worker, it ends with the process.
Handle LinuxServiceHost::CreateThread(std::function<void()> worker) {
  try {
    std::thread(std::move(worker)).detach();
  } catch (const std::system_error& failure) {
    errno = failure.code().value();
    return kNoHandle;
  }
  std::lock_guard guard(table_mutex_);
  return next_handle_++;
}

std::uint32_t LinuxServiceHost::GetLastError() {
  return static_cast<std::uint32_t>(errno);
}

void LinuxServiceHost::ExitProcess(std::uint32_t exit_code) {
  if (before_exit_) before_exit_();
  if (exit_code == 0) {
    std::lock_guard guard(table_mutex_);
    std::_Exit(ExitStatusFor(last_report_));
  }
  std::_Exit(static_cast<int>(exit_code));
}

}  // namespace timeserver
