// The worker's request loop: which messages are answered, how, where, and what a pause holds.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <optional>

#include "base/byte_order.h"
#include "fake_platform.h"
#include "timeserver/service_codes.h"
#include "timeserver/time_service.h"

namespace timeserver::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr Handle kReplyFile = 0xF1;
const std::string kRequesterPath = R"(\\CLIENT7\mailslot\ntclient)";
const timeproto::TimeField kExampleTime{1993, 11, 0, 7, 13, 54, 49, 257};
// The reply of a server named SRV at that time.
const Bytes kExampleReply = {0x28, 0x00, 0x02, 0x00, 0x12, 0x00, 0x53, 0x52, 0x56, 0,
                             0,    0,    0,    0,    0,    0,    0,    0,    0,    0,
                             0,    0,    0x12, 0x00, 0xC9, 0x07, 0x0B, 0x00, 0x00, 0x00,
                             0x07, 0x00, 0x0D, 0x00, 0x36, 0x00, 0x31, 0x00, 0x01, 0x01};

Bytes Request(std::string_view name) {
  const auto request = timeproto::BuildTimeRequest(name);
  return Bytes(request.begin(), request.end());
}

Bytes WithWord(Bytes message, std::size_t offset, std::uint16_t value) {
  base::PutLittle16(message, offset, value);
  return message;
}

class ServeRequests : public ::testing::Test {
 protected:
  ServeRequests() {
    fake.now = kExampleTime;
    fake.openable_paths = {{kRequesterPath, kReplyFile}};
  }

  // Starts the service and runs `worker` while it is running, on this thread or others.
  void WhileRunning(std::function<void()> worker) {
    fake.on_wait = [&, worker](Handle object) {
      if (object != kStopEvent) return;
      worker();
      fake.handler(kControlStop);
    };
    service.ServiceStart();
  }

  void Serve(std::size_t count) {
    WhileRunning([&] {
      for (std::size_t i = 0; i < count; ++i) service.ServeRequest();
    });
  }

  // Every call the worker made, once the start sequence is over.
  std::vector<std::string> WorkerCalls() {
    const auto all = fake.Calls();
    auto first = std::find(all.begin(), all.end(), "WaitForSingleObject(0xe1,4294967295)") + 1;
    auto last = std::find(first, all.end(), "SetServiceStatus(0x51)");
    return {first, last};
  }

  FakePlatform fake;
  TimeService service{fake.AsPlatform()};
};

TEST_F(ServeRequests, ValidRequestGetsTheExactReplyAtTheRequestersMailslot) {
  fake.messages = {Request("CLIENT7")};
  Serve(1);
  EXPECT_THAT(WorkerCalls(),
              ElementsAre("ReadFile(0x3a,100)", "WaitForSingleObject(0xe2,4294967295)",
                          "CreateFileA(" + kRequesterPath + ")", "GetLocalTime", "WriteFile(0xf1)",
                          "CloseHandle(0xf1)"));
  EXPECT_THAT(fake.writes, ElementsAre(std::pair(kReplyFile, kExampleReply)));
}

TEST_F(ServeRequests, RejectedRequestsAreDroppedSilentlyAndTheNextIsAnswered) {
  const Bytes valid = Request("CLIENT7");
  Bytes no_nul = valid;
  std::fill(no_nul.begin() + 6, no_nul.end(), 'A');
  const std::vector<Bytes> rejected = {
      WithWord(valid, 0, 21),   // length word below the bytes received
      WithWord(valid, 0, 23),   // and above
      WithWord(valid, 2, 2),    // a reply's type
      WithWord(valid, 4, 17),   // name-field length
      {},                       // empty
      {0x03, 0x00, 0x01},       // shorter than a request, length matching
      no_nul,                   // name without its NUL
      Request(""),              // no name
      Request(R"(?\C:\temp)"),  // names that would make a file path
      Request(R"(.\pipe\x)"),
      Request("a/b"),
      Request("*"),
      Request("x:y"),
  };
  for (const auto& message : rejected) fake.messages.push_back(message);
  fake.messages.push_back(valid);
  Serve(rejected.size() + 1);
  EXPECT_THAT(fake.writes, ElementsAre(std::pair(kReplyFile, kExampleReply)));
  // No rejected name reaches a path: the one file opened is the valid requester's mailslot.
  std::vector<std::string> opened;
  std::copy_if(fake.calls.begin(), fake.calls.end(), std::back_inserter(opened),
               [](const std::string& call) { return call.starts_with("CreateFileA("); });
  EXPECT_THAT(opened, ElementsAre("CreateFileA(" + kRequesterPath + ")"));
  EXPECT_THAT(fake.entries, IsEmpty());
}

TEST_F(ServeRequests, LongerRequestThatPassesIsAnswered) {
  Bytes longer = Request("CLIENT7");
  longer.resize(timeproto::kMaxMessageSize, 0xAB);
  fake.messages = {WithWord(longer, 0, timeproto::kMaxMessageSize)};
  Serve(1);
  EXPECT_THAT(fake.writes, ElementsAre(std::pair(kReplyFile, kExampleReply)));
}

TEST_F(ServeRequests, FailedReadOpenOrWriteLosesOnlyThatRequest) {
  fake.messages = {std::nullopt, Request("GONE"), Request("CLIENT7"), Request("CLIENT7")};
  fake.writes_succeed = false;
  Serve(4);
  EXPECT_THAT(fake.writes, ElementsAre(std::pair(kReplyFile, kExampleReply),
                                       std::pair(kReplyFile, kExampleReply)));
  EXPECT_EQ(std::count(fake.calls.begin(), fake.calls.end(), "CloseHandle(0xf1)"), 2);
  EXPECT_THAT(fake.calls, ::testing::Contains(R"(CreateFileA(\\GONE\mailslot\ntclient))"));
  EXPECT_THAT(fake.entries, IsEmpty());
}

TEST_F(ServeRequests, OwnNameFallsBackToTheLocalClientMailslot) {
  constexpr Handle kLocalFile = 0xF2;
  fake.openable_paths = {{timeproto::kClientMailslot, kLocalFile}};
  fake.messages = {Request("srv"), Request("OTHER")};
  Serve(2);
  EXPECT_THAT(
      WorkerCalls(),
      ElementsAre("ReadFile(0x3a,100)", "WaitForSingleObject(0xe2,4294967295)",
                  R"(CreateFileA(\\srv\mailslot\ntclient))",
                  R"(CreateFileA(\\.\mailslot\ntclient))", "GetLocalTime", "WriteFile(0xf2)",
                  "CloseHandle(0xf2)", "ReadFile(0x3a,100)", "WaitForSingleObject(0xe2,4294967295)",
                  R"(CreateFileA(\\OTHER\mailslot\ntclient))"));
  EXPECT_THAT(fake.writes, ElementsAre(std::pair(kLocalFile, kExampleReply)));
}

TEST_F(ServeRequests, PausedWorkerHoldsItsRequestAndAnswersWithTheTimeAfterContinue) {
  fake.messages = {Request("CLIENT7")};
  fake.now = {2001, 1, 1, 1, 0, 0, 0, 0};
  WhileRunning([&] {
    fake.handler(kControlPause);
    TestThread worker([&] { service.ServeRequest(); });
    fake.AwaitWaiter(kRunGate);
    EXPECT_THAT(fake.Writes(), IsEmpty());
    fake.now = kExampleTime;
    fake.handler(kControlContinue);
    worker.Join();
  });
  EXPECT_THAT(fake.writes, ElementsAre(std::pair(kReplyFile, kExampleReply)));
}

// A pause that comes while an answer is being written waits for it: once the pause is
// reported, nothing more is written.
TEST_F(ServeRequests, PauseDuringAnAnswerIsReportedOnlyOnceTheReplyIsWritten) {
  fake.messages = {Request("CLIENT7")};
  WhileRunning([&] {
    std::optional<TestThread> pauser;
    fake.on_open = [&] {
      pauser.emplace([&] { fake.handler(kControlPause); });
      fake.AwaitLockWaiterOrReport(kServicePaused);
    };
    service.ServeRequest();
    pauser.reset();
  });
  const auto at = [&](const std::string& call) {
    return std::find(fake.calls.begin(), fake.calls.end(), call) - fake.calls.begin();
  };
  EXPECT_LT(at("WriteFile(0xf1)"), at("CloseHandle(0xf1)"));
  EXPECT_LT(at("CloseHandle(0xf1)"), at("ResetEvent(0xe2)"));
  EXPECT_EQ(fake.reports.at(3).dwCurrentState, kServicePaused);
}

}  // namespace
}  // namespace timeserver::testing
