// Start, controls and stop of a service whose platform calls all succeed.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "fake_platform.h"
#include "timeserver/service_codes.h"
#include "timeserver/time_service.h"

namespace timeserver::testing {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::Not;
using ::testing::StartsWith;

ServiceStatus Report(std::uint32_t state, std::uint32_t accepted, std::uint32_t exit_code,
                     std::uint32_t checkpoint, std::uint32_t wait_hint) {
  return {kServiceWin32OwnProcess, state, accepted, exit_code, 0, checkpoint, wait_hint};
}

const ServiceStatus kStartPending1 = Report(kServiceStartPending, 0, 0, 1, 3000);
const ServiceStatus kStartPending2 = Report(kServiceStartPending, 0, 0, 2, 3000);
const ServiceStatus kRunning = Report(kServiceRunning, 3, 0, 0, 0);
const ServiceStatus kPaused = Report(kServicePaused, 3, 0, 0, 0);
const ServiceStatus kStopPending = Report(kServiceStopPending, 3, 0, 1, 3000);
const ServiceStatus kStopped = Report(kServiceStopped, 3, 0, 0, 0);

// Runs the service; `controls` reach the handler while the service waits for its stop event.
void RunWithControls(FakePlatform& fake, std::vector<std::uint32_t> controls) {
  TimeService service(fake.AsPlatform());
  fake.on_wait = [&](Handle object) {
    if (object != kStopEvent) return;
    for (auto control : controls) fake.handler(control);
  };
  service.ServiceStart();
}

TEST(ServiceLifecycle, StartsServesAndStopsWithTheCallsAndArgumentsOfEachStep) {
  FakePlatform fake;
  RunWithControls(fake, {kControlStop});
  EXPECT_THAT(
      fake.calls,
      ElementsAre(
          "RegisterServiceCtrlHandlerA(Beaconry)",
          R"(RegCreateKeyExA(SYSTEM\CurrentControlSet\Services\EventLog\Application\Beaconry))",
          "GetModuleFileNameA", R"(RegSetValueExA(0x6e,EventMessageFile,C:\svc\beaconry.exe))",
          "RegSetValueExA(0x6e,TypesSupported,7)", "RegCloseKey(0x6e)", "SetServiceStatus(0x51)",
          "CreateEventA(1,0)", "CreateEventA(1,1)", "SetServiceStatus(0x51)", "LocalAlloc(0x40)",
          "InitializeSecurityDescriptor(0x5d,1)", "SetSecurityDescriptorDacl(0x5d,1,0)",
          R"(CreateMailslotA(\\.\mailslot\ntserver,100,4294967295,0x5d,1))", "GetComputerNameA",
          "CreateThread", "SetServiceStatus(0x51)", "WaitForSingleObject(0xe1,4294967295)",
          "SetServiceStatus(0x51)", "SetEvent(0xe1)", "CloseHandle(0xe1)",
          "SetServiceStatus(0x51)"));
  EXPECT_THAT(fake.reports,
              ElementsAre(kStartPending1, kStartPending2, kRunning, kStopPending, kStopped));
  EXPECT_TRUE(fake.entries.empty());
}

TEST(ServiceLifecycle, PauseAndContinueActOnlyFromTheRightStateOthersRepeatTheLastReport) {
  FakePlatform fake;
  RunWithControls(fake, {kControlContinue, kControlPause, kControlInterrogate, kControlPause,
                         kControlContinue, kControlContinue, 200, kControlStop});
  EXPECT_THAT(fake.reports, ElementsAre(kStartPending1, kStartPending2, kRunning,
                                        kRunning,  // continue while running
                                        kPaused, kPaused, kPaused, kRunning, kRunning, kRunning,
                                        kStopPending, kStopped));
  // The run gate is closed by the one pause that fitted and opened by the one continue.
  std::vector<std::string> gate_calls;
  for (const auto& call : fake.calls) {
    if (call.find("(0xe2)") != std::string::npos) gate_calls.push_back(call);
  }
  EXPECT_THAT(gate_calls, ElementsAre("ResetEvent(0xe2)", "SetEvent(0xe2)"));
}

TEST(ServiceLifecycle, StopWhilePausedEndsWithExitCodeZero) {
  FakePlatform fake;
  RunWithControls(fake, {kControlPause, kControlStop});
  EXPECT_THAT(fake.reports, ElementsAre(kStartPending1, kStartPending2, kRunning, kPaused,
                                        kStopPending, kStopped));
}

TEST(ServiceLifecycle, RefusedReportFromTheHandlerLogsAndStopsTheService) {
  FakePlatform fake;
  fake.refused_reports = {3};
  fake.failure_error = 6;
  RunWithControls(fake, {kControlPause});
  EXPECT_THAT(fake.entries, ElementsAre(ElementsAre("Beaconry error: 6", "SetServiceStatus")));
  EXPECT_EQ(fake.reports.back(), Report(kServiceStopped, 3, 6, 0, 0));
}

TEST(ServiceLifecycle, InterrogationBeforeTheFirstReportRepeatsStartPending) {
  FakePlatform fake;
  fake.on_register = [&] { fake.handler(kControlInterrogate); };
  RunWithControls(fake, {kControlStop});
  EXPECT_THAT(fake.reports, ElementsAre(Report(kServiceStartPending, 0, 0, 0, 0), kStartPending1,
                                        kStartPending2, kRunning, kStopPending, kStopped));
  EXPECT_TRUE(fake.entries.empty());
}

TEST(ServiceLifecycle, RefusedFinalReportDoesNotSignalTheClosedStopEvent) {
  FakePlatform fake;
  fake.refused_reports = {4};
  fake.failure_error = 5;
  RunWithControls(fake, {kControlStop});
  ASSERT_EQ(fake.reports.size(), 5u);
  EXPECT_THAT(fake.entries, ElementsAre(ElementsAre("Beaconry error: 5", "SetServiceStatus")));
  const auto closed = std::find(fake.calls.begin(), fake.calls.end(), "CloseHandle(0xe1)");
  EXPECT_EQ(std::count(closed, fake.calls.end(), "SetEvent(0xe1)"), 0);
}

// Only a key made here gets values; one that cannot be made costs only the texts.
TEST(EventSource, ExistingOrUnmadeKeyGetsNoValuesAndTheServiceRuns) {
  for (const bool exists : {true, false}) {
    SCOPED_TRACE(exists ? "existing key" : "key not made");
    FakePlatform fake;
    fake.event_source_key_exists = exists;
    if (!exists) fake.event_source_key = kNoHandle;
    RunWithControls(fake, {kControlStop});
    EXPECT_THAT(fake.calls, Not(Contains(StartsWith("RegSetValueExA"))));
    EXPECT_EQ(std::count(fake.calls.begin(), fake.calls.end(), "RegCloseKey(0x6e)"),
              exists ? 1 : 0);
    EXPECT_THAT(fake.calls, Not(Contains("RegCloseKey(0)")));
    EXPECT_THAT(fake.reports,
                ElementsAre(kStartPending1, kStartPending2, kRunning, kStopPending, kStopped));
  }
}

TEST(ProgramEntry, RunsTheServiceUnderTheDispatcherThenEndsTheProcess) {
  FakePlatform fake;
  fake.status_handle = kNoHandle;
  TimeService service(fake.AsPlatform());
  RunBeaconry(fake, service);
  EXPECT_THAT(fake.calls, ElementsAre("StartServiceCtrlDispatcherA(Beaconry)",
                                      "RegisterServiceCtrlHandlerA(Beaconry)", "ExitProcess(0)"));
}

TEST(ProgramEntry, DispatcherThatCannotStartIsLogged) {
  FakePlatform fake;
  fake.dispatcher_starts = false;
  fake.failure_error = 1063;
  TimeService service(fake.AsPlatform());
  RunBeaconry(fake, service);
  EXPECT_THAT(fake.calls, ElementsAre("StartServiceCtrlDispatcherA(Beaconry)",
                                      "RegisterEventSourceA(Beaconry)", "ReportEventA(0xee,1,0,0)",
                                      "DeregisterEventSource(0xee)", "ExitProcess(1)"));
  EXPECT_THAT(fake.entries, ElementsAre(ElementsAre("Beaconry error: 1063",
                                                    "StartServiceCtrlDispatcher failed.")));
}

}  // namespace
}  // namespace timeserver::testing
