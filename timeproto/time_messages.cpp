#include "timeproto/time_messages.h"

#include <algorithm>

#include "base/byte_order.h"

namespace timeproto {
namespace {

using base::GetLittle16;
using base::PutLittle16;

constexpr std::uint16_t kTypeRequest = 1;
constexpr std::uint16_t kTypeReply = 2;
constexpr std::uint16_t kFieldLength = 18;
constexpr std::size_t kNameBytes = 16;
constexpr std::size_t kNameFieldOffset = 4;
constexpr std::size_t kTimeFieldOffset = 22;

void PutNameField(std::span<std::uint8_t> bytes, std::size_t offset, std::string_view name) {
  PutLittle16(bytes, offset, kFieldLength);
  auto field = bytes.subspan(offset + 2, kNameBytes);
  std::fill(field.begin(), field.end(), 0);
  name = name.substr(0, kMaxNameLength);
  std::copy(name.begin(), name.end(), field.begin());
}

// The name up to its NUL, never past the field's 16 bytes; nothing without a NUL.
std::optional<std::string> GetName(std::span<const std::uint8_t> bytes, std::size_t offset) {
  auto field = bytes.subspan(offset + 2, kNameBytes);
  auto nul = std::find(field.begin(), field.end(), 0);
  if (nul == field.end()) return std::nullopt;
  return std::string(field.begin(), nul);
}

}  // namespace

TimeRequest BuildTimeRequest(std::string_view computer_name) {
  TimeRequest request{};
  PutLittle16(request, 0, kRequestSize);
  PutLittle16(request, 2, kTypeRequest);
  PutNameField(request, kNameFieldOffset, computer_name);
  return request;
}

TimeReply BuildTimeReply(std::string_view server_name, const TimeField& time) {
  TimeReply reply{};
  PutLittle16(reply, 0, kReplySize);
  PutLittle16(reply, 2, kTypeReply);
  PutNameField(reply, kNameFieldOffset, server_name);
  PutLittle16(reply, kTimeFieldOffset, kFieldLength);
  const std::uint16_t words[] = {time.wYear, time.wMonth,  time.wDayOfWeek, time.wDay,
                                 time.wHour, time.wMinute, time.wSecond,    time.wMilliseconds};
  for (std::size_t i = 0; i < std::size(words); ++i) {
    PutLittle16(reply, kTimeFieldOffset + 2 + 2 * i, words[i]);
  }
  return reply;
}

std::optional<std::string> CheckTimeRequest(std::span<const std::uint8_t> received) {
  // Shorter than a whole request: its fields would lie beyond the bytes received.
  if (received.size() < kRequestSize) return std::nullopt;
  if (GetLittle16(received, 0) != received.size()) return std::nullopt;
  if (GetLittle16(received, 2) != kTypeRequest) return std::nullopt;
  if (GetLittle16(received, kNameFieldOffset) != kFieldLength) return std::nullopt;
  return GetName(received, kNameFieldOffset);
}

ReplyCheck CheckTimeReply(std::span<const std::uint8_t> received) {
  ReplyCheck check;
  if (received.size() < 2 || GetLittle16(received, 0) != received.size()) {
    check.status = ReplyStatus::ReplyCorrupted;
    return check;
  }
  check.status = ReplyStatus::ReplyUnexpected;
  if (received.size() < kReplySize) return check;
  if (GetLittle16(received, 2) != kTypeReply ||
      GetLittle16(received, kNameFieldOffset) != kFieldLength ||
      GetLittle16(received, kTimeFieldOffset) != kFieldLength) {
    return check;
  }
  auto name = GetName(received, kNameFieldOffset);
  if (!name) return check;
  std::uint16_t words[8];
  for (std::size_t i = 0; i < 8; ++i) {
    words[i] = GetLittle16(received, kTimeFieldOffset + 2 + 2 * i);
  }
  check.status = ReplyStatus::ReplyOk;
  check.server_name = *name;
  check.time = {words[0], words[1], words[2], words[3], words[4], words[5], words[6], words[7]};
  return check;
}

std::string ServerPath(std::optional<std::string_view> target) {
  const std::string mailslot = R"(\mailslot\ntserver)";
  if (!target) return R"(\\*)" + mailslot;
  return R"(\\)" + std::string(*target) + mailslot;
}

std::string ClientPath(std::string_view computer_name) {
  return R"(\\)" + std::string(computer_name) + R"(\mailslot\ntclient)";
}

bool CanNameMailslotHost(std::string_view name) {
  constexpr std::string_view kNotInNames = R"(\/:*?"<>|)";
  return std::none_of(name.begin(), name.end(), [&](unsigned char c) {
    return c < 0x20 || kNotInNames.find(static_cast<char>(c)) != std::string_view::npos;
  });
}

}  // namespace timeproto
