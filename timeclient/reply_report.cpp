#include "timeclient/reply_report.h"

#include "timeclient/time_text.h"

namespace timeclient {

std::optional<timeproto::TimeField> ReportReply(std::span<const std::uint8_t> message,
                                                base::ConsoleWriter& out) {
  const timeproto::ReplyCheck reply = timeproto::CheckTimeReply(message);
  switch (reply.status) {
    case timeproto::ReplyStatus::ReplyCorrupted:
      out.Write("\nResponse message received is corrupted!\n");
      return std::nullopt;
    case timeproto::ReplyStatus::ReplyUnexpected:
      out.Write("\nUnexpected response from time-server!\n");
      return std::nullopt;
    case timeproto::ReplyStatus::ReplyOk:
      break;
  }
  out.Write("Time-server " + PrintableName(reply.server_name) + " responded with:\n" +
            FormatTimeText(reply.time) + "\n\n");
  return reply.time;
}

}  // namespace timeclient
