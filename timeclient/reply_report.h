#pragma once
// Checks the message read from the client mailslot and prints what it says.
#include <cstdint>
#include <optional>
#include <span>

#include "base/console_writer.h"
#include "timeproto/time_messages.h"

namespace timeclient {

// The server's time once "Time-server … responded with:" and the time are printed; nothing
// once the corrupted or unexpected message is printed.
std::optional<timeproto::TimeField> ReportReply(std::span<const std::uint8_t> message,
                                                base::ConsoleWriter& out);

}  // namespace timeclient
