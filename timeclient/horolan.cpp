#include "timeclient/horolan.h"

#include "timeclient/client_texts.h"
#include "timeclient/command_line.h"
#include "timeclient/error_text.h"
#include "timeclient/exit_codes.h"
#include "timeclient/reply_report.h"
#include "timeclient/send_and_poll.h"
#include "timeclient/set_clock.h"
#include "timeproto/time_messages.h"

namespace timeclient {
namespace {

// Everything after the client mailslot exists; returns the exit code.
int QueryServer(const CommandLine& line, Handle client_mailslot, ClientPlatform& platform,
                base::ConsoleWriter& out) {
  const std::optional<std::string> computer_name = platform.computer_name.GetComputerNameA();
  if (!computer_name) {
    out.Write(ErrorText("\nUnable to retrieve computer name of local machine",
                        platform.computer_name.GetLastError()));
    return kExitFailure;
  }
  const timeproto::TimeRequest request = timeproto::BuildTimeRequest(*computer_name);
  const auto message = SendAndPoll(platform.mailslots, platform.sleeper, client_mailslot,
                                   line.server_path, request, out);
  if (!message) return kExitFailure;
  const auto time = ReportReply(*message, out);
  if (!time) return kExitFailure;
  if (!line.set_clock) return kExitOk;
  return SetClock(platform.privileges, platform.clock, *time, out);
}

}  // namespace

int RunHorolan(std::span<const std::string_view> args, ClientPlatform& platform,
               base::ConsoleWriter& out) {
  PrintBanner(out);
  const CommandLine line = ParseArguments(args);
  if (line.name_too_long) {
    out.Write("\nThe length of the computer/doamin name can not be longer than 15 characters!\n");
  }
  if (line.invalid) out.Write("Invalid command line parameter given!\n\n");
  if (line.usage || line.invalid) {
    PrintUsage(out);
    return kExitUsage;
  }
  const Handle client_mailslot =
      platform.mailslots.CreateMailslotA(timeproto::kClientMailslot, timeproto::kMaxMessageSize, 0);
  if (client_mailslot == kInvalidHandle) {
    out.Write(ErrorText("\nUnable to create client mailslot", platform.mailslots.GetLastError()));
    return kExitFailure;
  }
  const int code = QueryServer(line, client_mailslot, platform, out);
  platform.mailslots.CloseHandle(client_mailslot);
  return code;
}

}  // namespace timeclient
