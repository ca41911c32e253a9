#pragma once
// NetBIOS names as the datagram service carries them: the 16-byte name (up to 15 characters
// padded with spaces, then a suffix byte), each byte split into two letters 'A' + nibble,
// behind a length byte of 32 and followed by an empty scope. Pure functions over bytes.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace lanmailslot::wire {

inline constexpr std::size_t kMaxNetbiosNameLength = 15;
inline constexpr std::size_t kEncodedNameSize = 34;  // length byte, 32 letters, empty scope

using EncodedName = std::array<std::uint8_t, kEncodedNameSize>;

struct NetbiosName {
  std::string name;  // without its padding
  std::uint8_t suffix = 0;
  friend bool operator==(const NetbiosName&, const NetbiosName&) = default;
};

// The name's bytes are taken as given (callers pass upper case). Nothing for a name longer than
// 15 bytes, or one ending in a space, which the padding would swallow.
std::optional<EncodedName> EncodeNetbiosName(std::string_view name, std::uint8_t suffix);

// The name in the first 34 bytes of `field`; nothing when they are fewer, the length byte is not
// 32, a letter lies outside 'A'..'P', or a scope follows (we belong to the empty scope only).
std::optional<NetbiosName> DecodeNetbiosName(std::span<const std::uint8_t> field);

}  // namespace lanmailslot::wire
