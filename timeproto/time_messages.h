#pragma once
// The time protocol's two mailslot messages and paths, as pure functions over bytes:
// little-endian 16-bit words on any host, no platform calls, nothing read past the bytes given.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace timeproto {

inline constexpr std::size_t kRequestSize = 22;
inline constexpr std::size_t kReplySize = 40;
inline constexpr std::size_t kMaxMessageSize = 100;  // both mailslots and both read buffers
inline constexpr std::size_t kMaxNameLength = 15;

inline constexpr char kServerMailslot[] = R"(\\.\mailslot\ntserver)";
inline constexpr char kClientMailslot[] = R"(\\.\mailslot\ntclient)";

// The platform's SYSTEMTIME, word for word.
struct TimeField {
  std::uint16_t wYear = 0;
  std::uint16_t wMonth = 0;
  std::uint16_t wDayOfWeek = 0;
  std::uint16_t wDay = 0;
  std::uint16_t wHour = 0;
  std::uint16_t wMinute = 0;
  std::uint16_t wSecond = 0;
  std::uint16_t wMilliseconds = 0;
  friend bool operator==(const TimeField&, const TimeField&) = default;
};

using TimeRequest = std::array<std::uint8_t, kRequestSize>;
using TimeReply = std::array<std::uint8_t, kReplySize>;

// A name longer than 15 characters is cut to 15, so that its NUL always fits.
TimeRequest BuildTimeRequest(std::string_view computer_name);
TimeReply BuildTimeReply(std::string_view server_name, const TimeField& time);

// The requester's computer name, or nothing when the request is to be dropped.
std::optional<std::string> CheckTimeRequest(std::span<const std::uint8_t> received);

enum class ReplyStatus { ReplyOk, ReplyCorrupted, ReplyUnexpected };

struct ReplyCheck {
  ReplyStatus status = ReplyStatus::ReplyUnexpected;
  std::string server_name;  // set with ReplyOk
  TimeField time;           // set with ReplyOk
};

ReplyCheck CheckTimeReply(std::span<const std::uint8_t> received);

// Where the client writes its request: \\<target>\mailslot\ntserver, or \\*\… for no target.
std::string ServerPath(std::optional<std::string_view> target);
// Where a server writes its reply: \\<computer>\mailslot\ntclient.
std::string ClientPath(std::string_view computer_name);
// Whether a name can stand between "\\" and "\mailslot\…" and still name a machine or domain:
// any of \ / : * ? " < > | or a control byte could make the path a local file, pipe or device.
bool CanNameMailslotHost(std::string_view name);

}  // namespace timeproto
