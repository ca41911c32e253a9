// Whole runs of the client against the fake machine: what it prints, the calls it makes in
// order, and the exit code.
#include "timeclient/horolan.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

#include "fake_platform.h"

namespace timeclient {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;
using timeproto::TimeField;

constexpr char kBanner[] =
    "Horolan - Horolan-Client              Version 1.0            11/06/93\n"
    "Asks a time-server for its date and time, and can set this machine's clock.\n"
    "\n";

constexpr char kUsage[] =
    "Usage: HOROLAN [<computer_name>|<domain_name>] [/S] [/?]\n\n"
    "Where:\n"
    "    <computer_name>\n"
    "         Name of a specific machine acting as a time-server in the network from\n"
    "         which to get the time\n"
    "    <domain_name>\n"
    "         Name of a domain or workgroup in the network with at least one machine\n"
    "         in it acting as a time-server from which to get the time\n"
    "    /S\n"
    "         Sets the time of the local machine to the time received from the time\n"
    "         server\n"
    "    /?\n"
    "         Display this info\n\n";

constexpr char kInvalid[] = "Invalid command line parameter given!\n\n";
constexpr char kCreate[] = R"(CreateMailslotA \\.\mailslot\ntclient 100 0)";
constexpr TimeField kSrvTime{1993, 11, 0, 7, 13, 54, 49, 257};

struct RunResult {
  int code;
  std::string out;
};

RunResult RunWith(FakePlatform& fake, std::vector<std::string_view> args) {
  base::StringWriter out;
  ClientPlatform platform = fake.Platform();
  const int code = RunHorolan(args, platform, out);
  return {code, out.text};
}

std::vector<std::uint8_t> Reply(std::string_view name, const TimeField& time) {
  const auto reply = timeproto::BuildTimeReply(name, time);
  return {reply.begin(), reply.end()};
}

// The calls of one send to `path` and the polls that follow it.
std::vector<std::string> SendThenPolls(const std::string& path, int polls) {
  std::vector<std::string> calls = {"CreateFileA " + path, "WriteFile 22 22", "CloseHandle 22"};
  for (int i = 0; i < polls; ++i) {
    calls.push_back("Sleep 200");
    calls.push_back("GetMailslotInfo 11");
  }
  return calls;
}

std::vector<std::string> Concat(std::vector<std::vector<std::string>> parts) {
  std::vector<std::string> all;
  for (auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

std::vector<std::string> LastTwoCalls(const FakePlatform& fake) {
  return {fake.calls.end() - std::min<std::size_t>(2, fake.calls.size()), fake.calls.end()};
}

TEST(Horolan, UsageTouchesNoMailslot) {
  FakePlatform fake;
  for (auto args : std::vector<std::vector<std::string_view>>{{"/?"}, {"/?", "/?"}, {"/?", "/S"}}) {
    const RunResult run = RunWith(fake, args);
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.out, std::string(kBanner) + kUsage);
  }
  EXPECT_THAT(fake.calls, IsEmpty());
}

TEST(Horolan, InvalidParameterComesBeforeUsage) {
  const std::vector<std::vector<std::string_view>> cases = {
      {"/S", "/S"}, {"/Sx"}, {"/x"}, {"/"}, {"one", "two"}, {"/S", "/?"}, {".\\D:"}, {"/S", "a/b"}};
  for (const auto& args : cases) {
    FakePlatform fake;
    const RunResult run = RunWith(fake, args);
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.out, std::string(kBanner) + kInvalid + kUsage);
    EXPECT_THAT(fake.calls, IsEmpty());
  }
}

TEST(Horolan, LongNameGivesLengthMessageAndUsage) {
  FakePlatform fake;
  const RunResult run = RunWith(fake, {"ABCDEFGHIJKLMNOP", "/x"});
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(run.out,
            std::string(kBanner) +
                "\nThe length of the computer/doamin name can not be longer than 15 characters!\n" +
                kUsage);
  EXPECT_THAT(fake.calls, IsEmpty());
}

TEST(Horolan, NoAnswerAfterThreeSendsOfNinePolls) {
  FakePlatform fake;
  const RunResult run = RunWith(fake, {});
  EXPECT_EQ(run.code, 2);
  EXPECT_EQ(run.out, std::string(kBanner) + "\nNo response from time-server!\n");
  const std::string every = R"(\\*\mailslot\ntserver)";
  EXPECT_EQ(fake.calls, Concat({{kCreate, "GetComputerNameA"},
                                SendThenPolls(every, 3),
                                SendThenPolls(every, 3),
                                SendThenPolls(every, 3),
                                {"CloseHandle 11"}}));
  // The same request each time: length 22, type 1, the name field holding PC1.
  const std::vector<std::uint8_t> request = {
      0x16, 0x00, 0x01, 0x00, 0x12, 0x00, 'P', 'C', '1', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_THAT(fake.written, ElementsAre(request, request, request));
}

TEST(Horolan, TakesTheFirstReplyAndStopsPolling) {
  FakePlatform fake;
  fake.visible_from_poll = 5;  // the second poll after the second send
  fake.inbox = {Reply("SRV", kSrvTime), Reply("OTHER", kSrvTime)};
  const RunResult run = RunWith(fake, {"."});
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.out, std::string(kBanner) +
                         "Time-server SRV responded with:\nSun 11/07/1993  -  13:54:49,25\n\n");
  const std::string local = R"(\\.\mailslot\ntserver)";
  EXPECT_EQ(fake.calls, Concat({{kCreate, "GetComputerNameA"},
                                SendThenPolls(local, 3),
                                SendThenPolls(local, 2),
                                {"ReadFile 11 40", "CloseHandle 11"}}));
  EXPECT_THAT(fake.clock_set_to, IsEmpty());
}

// The time texts themselves are covered with FormatTimeText; the name may come from anywhere.
TEST(Horolan, ReplyTexts) {
  const std::pair<std::string, std::string> cases[] = {
      {"SRV", "Time-server SRV responded with:\n"},
      {"\x1b]0;X\a\xff", "Time-server ?]0;X?\xff responded with:\n"},
  };
  for (const auto& [name, first_line] : cases) {
    FakePlatform fake;
    fake.inbox = {Reply(name, kSrvTime)};
    const RunResult run = RunWith(fake, {"srv"});
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.out, kBanner + first_line + "Sun 11/07/1993  -  13:54:49,25\n\n");
  }
}

TEST(Horolan, BadRepliesEndWithCodeTwo) {
  auto echoed = timeproto::BuildTimeRequest("PC1");
  auto mismatched = Reply("SRV", kSrvTime);
  mismatched[0] = 41;
  auto long_reply = Reply("SRV", kSrvTime);
  long_reply.resize(44);
  long_reply[0] = 44;
  struct Case {
    std::vector<std::uint8_t> message;
    std::string text;
    int code;
  };
  const Case cases[] = {
      {mismatched, "\nResponse message received is corrupted!\n", 2},
      {{}, "\nResponse message received is corrupted!\n", 2},
      {{echoed.begin(), echoed.end()}, "\nUnexpected response from time-server!\n", 2},
      {long_reply, "Time-server SRV responded with:\nSun 11/07/1993  -  13:54:49,25\n\n", 0},
  };
  for (const Case& c : cases) {
    FakePlatform fake;
    fake.inbox = {c.message};
    const RunResult run = RunWith(fake, {"/S", "srv"});
    EXPECT_EQ(run.code, c.code);
    EXPECT_THAT(run.out, testing::StartsWith(kBanner + c.text));
    EXPECT_EQ(fake.clock_set_to.size(), c.code == 0 ? 1u : 0u);
  }
}

TEST(Horolan, OversizedNextMessageIsReadIntoTheBufferOnly) {
  FakePlatform fake;
  fake.inbox = {Reply("SRV", kSrvTime)};
  fake.reported_next_size = 4000;
  const RunResult run = RunWith(fake, {"srv"});
  EXPECT_EQ(run.code, 0);
  EXPECT_THAT(fake.calls, testing::Contains("ReadFile 11 100"));
}

TEST(Horolan, EachPlatformFailureNamesItsStepAndCode) {
  struct Case {
    const char* call;
    std::int32_t error;
    const char* text;
  };
  const Case cases[] = {
      {"CreateMailslotA", 183, "\nUnable to create client mailslot, error code: 183\n"},
      {"GetComputerNameA", 111,
       "\nUnable to retrieve computer name of local machine, error code: 111\n"},
      {"CreateFileA", 3, "\nUnable to open handle of server mailslot, error code: 3\n"},
      {"WriteFile", 53, "\nUnable to write to server mailslot, error code: 53\n"},
      {"CloseHandle", 6, "\nUnable to close client handle of server mailslot, error code: 6\n"},
      {"GetMailslotInfo", -1073741816,
       "\nUnable to get info about client mailslot, error code: -1073741816\n"},
      {"ReadFile", 122, "\nUnable to read from client mailslot, error code: 122\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.call);
    FakePlatform fake;
    fake.failures[c.call] = c.error;
    fake.inbox = {Reply("SRV", kSrvTime)};
    const RunResult run = RunWith(fake, {"srv", "/S"});
    EXPECT_EQ(run.code, 2);
    EXPECT_EQ(run.out, kBanner + std::string(c.text));
    EXPECT_THAT(fake.clock_set_to, IsEmpty());
    // The client mailslot, once made, is closed on the way out.
    if (c.call != std::string("CreateMailslotA")) {
      EXPECT_EQ(fake.calls.back(), "CloseHandle 11");
    }
  }
}

TEST(Horolan, SetsTheClockToTheReceivedWords) {
  FakePlatform fake;
  fake.inbox = {Reply("SRV", kSrvTime)};
  const RunResult run = RunWith(fake, {"/S", "myserver"});
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.out, std::string(kBanner) +
                         "Time-server SRV responded with:\nSun 11/07/1993  -  13:54:49,25\n\n"
                         "The system time has been successfully changed!\n");
  EXPECT_THAT(fake.clock_set_to, ElementsAre(kSrvTime));
  EXPECT_EQ(
      fake.calls,
      Concat({{kCreate, "GetComputerNameA"},
              SendThenPolls(R"(\\myserver\mailslot\ntserver)", 1),
              {"ReadFile 11 40", "OpenProcessToken", "LookupPrivilegeValueA SeSystemtimePrivilege",
               "AdjustTokenPrivileges 33 20 2", "SetLocalTime", "AdjustTokenPrivileges 33 20 0",
               "CloseHandle 33", "CloseHandle 11"}}));
}

TEST(Horolan, ClockFailuresAfterTheReplyIsPrinted) {
  const std::string printed =
      std::string(kBanner) + "Time-server SRV responded with:\nSun 11/07/1993  -  13:54:49,25\n\n";
  {
    FakePlatform fake;
    fake.inbox = {Reply("SRV", kSrvTime)};
    fake.failures["OpenProcessToken"] = 5;
    const RunResult run = RunWith(fake, {"myserver", "/S"});
    EXPECT_EQ(run.code, 2);
    EXPECT_EQ(run.out, printed + "\nInsufficent user rights to change the system time!\n");
    EXPECT_THAT(fake.clock_set_to, IsEmpty());
    EXPECT_THAT(fake.calls, testing::Not(testing::Contains("CloseHandle 33")));
  }
  {
    FakePlatform fake;
    fake.inbox = {Reply("SRV", kSrvTime)};
    fake.adjust_error = 1300;  // not all privileges assigned
    const RunResult run = RunWith(fake, {"myserver", "/S"});
    EXPECT_EQ(run.code, 2);
    EXPECT_EQ(run.out, printed + "Insufficent user rights to change the system time!\n");
    EXPECT_THAT(fake.calls, testing::Not(testing::Contains("SetLocalTime")));
    EXPECT_THAT(LastTwoCalls(fake), ElementsAre("CloseHandle 33", "CloseHandle 11"));
  }
  {
    FakePlatform fake;
    fake.inbox = {Reply("SRV", kSrvTime)};
    fake.failures["SetLocalTime"] = 87;
    const RunResult run = RunWith(fake, {"myserver", "/S"});
    EXPECT_EQ(run.code, 2);
    EXPECT_EQ(run.out, printed + "Unable to change system time, error code: 87\n");
    EXPECT_THAT(fake.clock_set_to, IsEmpty());
    EXPECT_THAT(LastTwoCalls(fake), ElementsAre("CloseHandle 33", "CloseHandle 11"));
  }
}

}  // namespace
}  // namespace timeclient
