#include "lanmailslot/wire/netbios_name.h"

#include <algorithm>

namespace lanmailslot::wire {
namespace {

constexpr std::uint8_t kHalfLength = 32;
constexpr std::size_t kNameBytes = 16;

}  // namespace

std::optional<EncodedName> EncodeNetbiosName(std::string_view name, std::uint8_t suffix) {
  if (name.size() > kMaxNetbiosNameLength) return std::nullopt;
  if (!name.empty() && name.back() == ' ') return std::nullopt;
  std::array<std::uint8_t, kNameBytes> plain;
  plain.fill(' ');
  std::copy(name.begin(), name.end(), plain.begin());
  plain.back() = suffix;

  EncodedName encoded{};
  encoded[0] = kHalfLength;
  for (std::size_t i = 0; i < kNameBytes; ++i) {
    encoded[1 + 2 * i] = static_cast<std::uint8_t>('A' + (plain[i] >> 4));
    encoded[2 + 2 * i] = static_cast<std::uint8_t>('A' + (plain[i] & 0x0F));
  }
  encoded.back() = 0;  // empty scope
  return encoded;
}

std::optional<NetbiosName> DecodeNetbiosName(std::span<const std::uint8_t> field) {
  if (field.size() < kEncodedNameSize) return std::nullopt;
  if (field[0] != kHalfLength || field[kEncodedNameSize - 1] != 0) return std::nullopt;
  std::array<std::uint8_t, kNameBytes> plain;
  for (std::size_t i = 0; i < kNameBytes; ++i) {
    // A byte below 'A' wraps round to a large value, so one comparison rejects both sides.
    const unsigned high = field[1 + 2 * i] - 'A';
    const unsigned low = field[2 + 2 * i] - 'A';
    if (high > 0x0F || low > 0x0F) return std::nullopt;
    plain[i] = static_cast<std::uint8_t>(high << 4 | low);
  }
  std::string_view padded(reinterpret_cast<const char*>(plain.data()), kMaxNetbiosNameLength);
  const auto end = padded.find_last_not_of(' ');
  return NetbiosName{std::string(padded.substr(0, end == std::string_view::npos ? 0 : end + 1)),
                     plain.back()};
}

}  // namespace lanmailslot::wire
