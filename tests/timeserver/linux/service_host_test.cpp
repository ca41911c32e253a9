// The Linux service host: signals become controls on the dispatcher's thread while the service
// runs, and events wake their waiters.
#include <gtest/gtest.h>
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <thread>
#include <vector>

#include "timeserver/linux/linux_service_host.h"
#include "timeserver/linux/systemd_terms.h"
#include "timeserver/service_codes.h"

namespace timeserver {
namespace {

TEST(LinuxServiceHost, SignalsReachTheHandlerOnTheDispatchersThreadUntilTheServiceEnds) {
  LinuxServiceHost host;
  std::vector<std::uint32_t> controls;  // written on the dispatcher's thread only
  const pthread_t dispatcher = pthread_self();
  std::atomic<bool> on_dispatcher{true};
  const Handle stop = host.CreateEventA(true, false);
  const bool ran = host.StartServiceCtrlDispatcherA("Beaconry", [&] {
    const Handle status = host.RegisterServiceCtrlHandlerA("Beaconry", [&](std::uint32_t control) {
      if (!pthread_equal(pthread_self(), dispatcher)) on_dispatcher = false;
      controls.push_back(control);
      if (control == kControlStop) host.SetEvent(stop);
    });
    host.SetServiceStatus(status, {.dwCurrentState = kServiceRunning, .dwControlsAccepted = 3});
    for (int signal_number : {SIGUSR1, SIGUSR2, SIGTERM}) kill(getpid(), signal_number);
    host.WaitForSingleObject(stop, kInfinite);
  });
  EXPECT_TRUE(ran);
  EXPECT_TRUE(on_dispatcher);
  EXPECT_EQ(controls, (std::vector<std::uint32_t>{kControlPause, kControlContinue, kControlStop}));
}

// systemd signals whenever it likes; a stop that comes while the service starts must wait until
// its reports accept it, or it would be lost and the service would report running.
TEST(LinuxServiceHost, HoldsAControlUntilTheServiceAcceptsIt) {
  LinuxServiceHost host;
  std::vector<std::uint32_t> controls;
  std::atomic<bool> starting{true};
  std::atomic<bool> taken_while_starting{false};
  const Handle stop = host.CreateEventA(true, false);
  host.StartServiceCtrlDispatcherA("Beaconry", [&] {
    const Handle status = host.RegisterServiceCtrlHandlerA("Beaconry", [&](std::uint32_t control) {
      if (starting) taken_while_starting = true;
      controls.push_back(control);
      if (control == kControlStop) host.SetEvent(stop);
    });
    host.SetServiceStatus(status, {.dwCurrentState = kServiceStartPending});
    kill(getpid(), SIGTERM);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    starting = false;
    host.SetServiceStatus(status, {.dwCurrentState = kServiceRunning, .dwControlsAccepted = 3});
    host.WaitForSingleObject(stop, kInfinite);
  });
  EXPECT_FALSE(taken_while_starting);
  EXPECT_EQ(controls, std::vector<std::uint32_t>{kControlStop});
}

// Controls queued on the one real-time signal keep the order they were sent in, even when the
// dispatcher takes them late; standard signals would come lowest number first.
TEST(LinuxServiceHost, QueuedControlsKeepTheirOrderWhileTheDispatcherIsBusy) {
  const int queued = SIGRTMIN + 1;
  sigset_t held;
  sigemptyset(&held);
  sigaddset(&held, queued);
  pthread_sigmask(SIG_BLOCK, &held, nullptr);  // never lethal to the tests, whatever the host
  LinuxServiceHost host;
  std::vector<std::uint32_t> controls;
  const Handle stop = host.CreateEventA(true, false);
  const Handle busy = host.CreateEventA(true, false);
  const Handle sent = host.CreateEventA(true, false);
  host.StartServiceCtrlDispatcherA("Beaconry", [&] {
    const Handle status = host.RegisterServiceCtrlHandlerA("Beaconry", [&](std::uint32_t control) {
      controls.push_back(control);
      if (controls.size() == 1) {
        host.SetEvent(busy);
        host.WaitForSingleObject(sent, kInfinite);
      }
      if (control == kControlStop) host.SetEvent(stop);
    });
    host.SetServiceStatus(status, {.dwCurrentState = kServiceRunning, .dwControlsAccepted = 3});
    kill(getpid(), SIGUSR1);
    host.WaitForSingleObject(busy, kInfinite);
    for (std::uint32_t control :
         {kControlContinue, kControlPause, 7u, kControlContinue, kControlPause}) {
      sigqueue(getpid(), queued, sigval{.sival_int = static_cast<int>(control)});
    }
    kill(getpid(), queued);  // without a value: no control
    // The stop queued behind them too: a SIGTERM would be taken before any real-time signal.
    sigqueue(getpid(), queued, sigval{.sival_int = static_cast<int>(kControlStop)});
    host.SetEvent(sent);
    host.WaitForSingleObject(stop, kInfinite);
  });
  EXPECT_EQ(controls, (std::vector<std::uint32_t>{kControlPause, kControlContinue, kControlPause,
                                                  kControlContinue, kControlPause, kControlStop}));
}

TEST(LinuxServiceHost, ManualEventsStaySetAndAutoEventsWakeOneWait) {
  LinuxServiceHost host;
  const Handle manual = host.CreateEventA(true, false);
  const Handle automatic = host.CreateEventA(false, true);
  std::thread setter([&] { host.SetEvent(manual); });
  host.WaitForSingleObject(manual, kInfinite);
  setter.join();
  host.WaitForSingleObject(manual, kInfinite);  // still set: returns at once
  host.WaitForSingleObject(automatic, kInfinite);
  // Taken by the wait above: this one times out instead of returning at once.
  const auto before = std::chrono::steady_clock::now();
  host.WaitForSingleObject(automatic, 50);
  EXPECT_GE(std::chrono::steady_clock::now() - before, std::chrono::milliseconds(50));
}

TEST(SystemdTerms, ReportsBecomeNotifyMessages) {
  ServiceStatus status;
  status.dwCurrentState = kServiceRunning;
  EXPECT_EQ(NotifyText(status), "READY=1\nSTATUS=Running");
  status = {.dwCurrentState = kServiceStopPending, .dwCheckPoint = 1, .dwWaitHint = 3000};
  EXPECT_EQ(NotifyText(status), "STOPPING=1\nSTATUS=Stopping\nEXTEND_TIMEOUT_USEC=3000000");
  status = {.dwCurrentState = kServiceStopped, .dwWin32ExitCode = 98};
  EXPECT_EQ(NotifyText(status), "STATUS=Stopped, error 98\nERRNO=98");
  EXPECT_EQ(ControlForSignal(SIGHUP), std::nullopt);
}

// systemd takes a service that exits 0 before READY=1 for one that broke the protocol, and
// restarts it: a failed start must exit with its error code.
TEST(SystemdTerms, TheExitStatusIsTheLastReportsErrorCode) {
  EXPECT_EQ(ExitStatusFor({.dwCurrentState = kServiceStopped}), 0);
  EXPECT_EQ(ExitStatusFor({.dwCurrentState = kServiceStopped, .dwWin32ExitCode = 98}), 98);
  EXPECT_EQ(ExitStatusFor({.dwCurrentState = kServiceStopped, .dwWin32ExitCode = 256}), 1);
  EXPECT_EQ(ExitStatusFor({.dwCurrentState = kServiceRunning}), 1);
}

}  // namespace
}  // namespace timeserver
