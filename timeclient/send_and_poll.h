#pragma once
// Sends the request and waits for the first reply: at most three sends, each followed by three
// polls of the client mailslot 200 ms apart.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/console_writer.h"
#include "timeclient/client_platform.h"

namespace timeclient {

inline constexpr int kMaxSends = 3;
inline constexpr int kPollsPerSend = 3;
inline constexpr std::uint32_t kPollIntervalMs = 200;

// The first message in the client mailslot, or nothing once a failure has been printed.
std::optional<std::vector<std::uint8_t>> SendAndPoll(Mailslots& mailslots, Sleeper& sleeper,
                                                     Handle client_mailslot,
                                                     const std::string& server_path,
                                                     std::span<const std::uint8_t> request,
                                                     base::ConsoleWriter& out);

}  // namespace timeclient
