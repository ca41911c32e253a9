// Every way the start can fail: what is logged, what is freed, and the final report.
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
using ::testing::IsEmpty;
using ::testing::Not;

ServiceStatus Stopped(std::uint32_t exit_code) {
  return {kServiceWin32OwnProcess, kServiceStopped, 3, exit_code, 0, 0, 0};
}

struct LoggedFailure {
  const char* message;
  void (*script)(FakePlatform&);
  bool frees_descriptor;
};

void PrintTo(const LoggedFailure& failure, std::ostream* out) {
  *out << failure.message;
}

class LoggedStartFailure : public ::testing::TestWithParam<LoggedFailure> {};

TEST_P(LoggedStartFailure, LogsTheCodeAndMessageThenStopsWithTheCode) {
  FakePlatform fake;
  GetParam().script(fake);
  fake.failure_error = 183;
  TimeService service(fake.AsPlatform());
  service.ServiceStart();

  EXPECT_THAT(fake.entries, ElementsAre(ElementsAre("Beaconry error: 183", GetParam().message)));
  const auto& calls = fake.calls;
  const auto entry = std::find(calls.begin(), calls.end(), "ReportEventA(0xee,1,0,0)");
  ASSERT_NE(entry, calls.end());
  EXPECT_EQ(entry[-1], "RegisterEventSourceA(Beaconry)");
  EXPECT_EQ(entry[1], "DeregisterEventSource(0xee)");
  EXPECT_EQ(entry[2], "SetEvent(0xe1)");
  if (GetParam().frees_descriptor) {
    EXPECT_EQ(entry[3], "LocalFree(0x5d)");
  } else {
    EXPECT_THAT(calls, Not(Contains("LocalFree(0x5d)")));
  }
  EXPECT_THAT(calls, Not(Contains("CreateThread")));
  EXPECT_THAT(calls, Not(Contains("WaitForSingleObject(0xe1,4294967295)")));
  EXPECT_EQ(calls.end()[-2], "CloseHandle(0xe1)");
  ASSERT_EQ(fake.reports.size(), 3u);  // two start-pending reports, then the end
  EXPECT_EQ(fake.reports.back(), Stopped(183));
}

INSTANTIATE_TEST_SUITE_P(
    EachStep, LoggedStartFailure,
    ::testing::Values(
        LoggedFailure{"LocalAlloc pSD failed", [](FakePlatform& f) { f.descriptor = kNoHandle; },
                      false},
        LoggedFailure{"InitializeSecurityDescriptor failed",
                      [](FakePlatform& f) { f.descriptor_initialises = false; }, true},
        LoggedFailure{"SetSecurityDescriptorDacl failed",
                      [](FakePlatform& f) { f.dacl_set = false; }, true},
        LoggedFailure{"CreateMailslot", [](FakePlatform& f) { f.server_mailslot = kInvalidHandle; },
                      true},
        LoggedFailure{"GetComputerName", [](FakePlatform& f) { f.computer_name.reset(); }, true}));

TEST(StartFailure, RefusedStartReportsAreLoggedAndEndTheStart) {
  for (std::size_t refused : {0u, 1u, 2u}) {
    FakePlatform fake;
    fake.refused_reports = {refused};
    fake.failure_error = 0x80070005;  // printed as a signed number
    TimeService service(fake.AsPlatform());
    service.ServiceStart();
    EXPECT_THAT(fake.entries,
                ElementsAre(ElementsAre("Beaconry error: -2147024891", "SetServiceStatus")));
    EXPECT_EQ(fake.reports.size(), refused + 2);
    EXPECT_EQ(fake.reports.back(), Stopped(0x80070005));
    // Only the report after the worker started comes after the thread was created.
    EXPECT_EQ(std::count(fake.calls.begin(), fake.calls.end(), "CreateThread"), refused == 2);
  }
}

TEST(StartFailure, EventOrThreadThatCannotBeCreatedEndsWithoutAnEntry) {
  const auto scripts = {+[](FakePlatform& f) { f.events = {kNoHandle}; },
                        +[](FakePlatform& f) {
                          f.events = {kStopEvent, kNoHandle};
                        },
                        +[](FakePlatform& f) { f.worker_thread = kNoHandle; }};
  for (auto script : scripts) {
    FakePlatform fake;
    script(fake);
    fake.failure_error = 8;  // not recorded: nothing was logged
    TimeService service(fake.AsPlatform());
    service.ServiceStart();
    EXPECT_THAT(fake.entries, IsEmpty());
    EXPECT_EQ(fake.reports.back(), Stopped(0));
    EXPECT_THAT(fake.calls, Not(Contains("WaitForSingleObject(0xe1,4294967295)")));
  }
}

TEST(StartFailure, HandlerThatCannotRegisterEndsWithoutReportOrEntry) {
  FakePlatform fake;
  fake.status_handle = kNoHandle;
  TimeService service(fake.AsPlatform());
  service.ServiceStart();
  EXPECT_THAT(fake.calls, ElementsAre("RegisterServiceCtrlHandlerA(Beaconry)"));
}

TEST(StartFailure, EventLogThatCannotOpenStillStopsTheService) {
  FakePlatform fake;
  fake.server_mailslot = kInvalidHandle;
  fake.event_log = kNoHandle;
  fake.failure_error = 183;
  TimeService service(fake.AsPlatform());
  service.ServiceStart();
  EXPECT_THAT(fake.calls, Not(Contains("ReportEventA(0,1,0,0)")));
  EXPECT_THAT(fake.calls, Contains("SetEvent(0xe1)"));
  EXPECT_EQ(fake.reports.back(), Stopped(183));
}

}  // namespace
}  // namespace timeserver::testing
