#include "timeclient/send_and_poll.h"

#include <algorithm>

#include "timeclient/error_text.h"
#include "timeproto/time_messages.h"

namespace timeclient {
namespace {

// One request: open the server mailslot, write, close. False once a failure has been printed.
bool SendRequest(Mailslots& mailslots, const std::string& server_path,
                 std::span<const std::uint8_t> request, base::ConsoleWriter& out) {
  const Handle server = mailslots.CreateFileA(server_path);
  if (server == kInvalidHandle) {
    out.Write(ErrorText("\nUnable to open handle of server mailslot", mailslots.GetLastError()));
    return false;
  }
  if (!mailslots.WriteFile(server, request)) {
    out.Write(ErrorText("\nUnable to write to server mailslot", mailslots.GetLastError()));
    mailslots.CloseHandle(server);  // the failure above is the one reported
    return false;
  }
  if (!mailslots.CloseHandle(server)) {
    out.Write(
        ErrorText("\nUnable to close client handle of server mailslot", mailslots.GetLastError()));
    return false;
  }
  return true;
}

enum class PollResult { kNothing, kMessage, kFailed };

// One look into the client mailslot; reads the first message when one waits.
PollResult Poll(Mailslots& mailslots, Handle client_mailslot, std::vector<std::uint8_t>& message,
                base::ConsoleWriter& out) {
  MailslotInfo info;
  if (!mailslots.GetMailslotInfo(client_mailslot, info)) {
    out.Write(ErrorText("\nUnable to get info about client mailslot", mailslots.GetLastError()));
    return PollResult::kFailed;
  }
  if (info.message_count == 0) return PollResult::kNothing;
  // Never more than the mailslot's maximum, whatever size is reported.
  std::vector<std::uint8_t> buffer(timeproto::kMaxMessageSize);
  const std::size_t size = std::min<std::size_t>(info.next_size, buffer.size());
  std::uint32_t bytes_read = 0;
  if (!mailslots.ReadFile(client_mailslot, std::span(buffer).first(size), bytes_read)) {
    out.Write(ErrorText("\nUnable to read from client mailslot", mailslots.GetLastError()));
    return PollResult::kFailed;
  }
  buffer.resize(std::min<std::size_t>(bytes_read, size));
  message = std::move(buffer);
  return PollResult::kMessage;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> SendAndPoll(Mailslots& mailslots, Sleeper& sleeper,
                                                     Handle client_mailslot,
                                                     const std::string& server_path,
                                                     std::span<const std::uint8_t> request,
                                                     base::ConsoleWriter& out) {
  int sends = 0;
  int polls = kPollsPerSend;  // so that the first pass sends at once
  std::vector<std::uint8_t> message;
  for (;;) {
    if (polls == kPollsPerSend) {
      if (sends == kMaxSends) {
        out.Write("\nNo response from time-server!\n");
        return std::nullopt;
      }
      if (!SendRequest(mailslots, server_path, request, out)) return std::nullopt;
      ++sends;
      polls = 0;
      continue;
    }
    sleeper.Sleep(kPollIntervalMs);
    switch (Poll(mailslots, client_mailslot, message, out)) {
      case PollResult::kNothing:
        ++polls;
        break;
      case PollResult::kMessage:
        return message;
      case PollResult::kFailed:
        return std::nullopt;
    }
  }
}

}  // namespace timeclient
