#pragma once
// The NetBIOS name service's packets (UDP port 137) as a broadcast node sends and answers them:
// a header, questions and resource records, names encoded as the datagram service does. Pure
// and bounds-checked like the datagram codec: the decoder takes bytes from anyone, follows a
// compressed name only backwards (so a pointer loop cannot hold it), and never reads past them.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "lanmailslot/wire/netbios_name.h"

namespace lanmailslot::wire {

inline constexpr std::uint16_t kNameServicePort = 137;

// The flag word: R, OPCODE (4 bits), AA, TC, RD, RA, two zero bits, B, RCODE (4 bits).
inline constexpr std::uint16_t kFlagResponse = 0x8000;
inline constexpr std::uint16_t kFlagAuthoritative = 0x0400;
inline constexpr std::uint16_t kFlagRecursionDesired = 0x0100;
inline constexpr std::uint16_t kFlagRecursionAvailable = 0x0080;
inline constexpr std::uint16_t kFlagBroadcast = 0x0010;

inline constexpr std::uint8_t kOpcodeQuery = 0;
inline constexpr std::uint8_t kOpcodeRegistration = 5;
inline constexpr std::uint8_t kOpcodeRelease = 6;
inline constexpr std::uint8_t kRcodeActiveError = 6;  // the name is held by another node

constexpr std::uint16_t OpcodeFlags(std::uint8_t opcode) {
  return static_cast<std::uint16_t>((opcode & 0x0F) << 11);
}
constexpr std::uint8_t OpcodeOf(std::uint16_t flags) {
  return (flags >> 11) & 0x0F;
}
constexpr std::uint8_t RcodeOf(std::uint16_t flags) {
  return flags & 0x0F;
}

inline constexpr std::uint16_t kTypeAddress = 0x0020;     // NB: the name's addresses
inline constexpr std::uint16_t kTypeNodeStatus = 0x0021;  // NBSTAT: every name a node holds
inline constexpr std::uint16_t kClassInternet = 0x0001;

// Bits of NB_FLAGS and NAME_FLAGS.
inline constexpr std::uint16_t kGroupName = 0x8000;
inline constexpr std::uint16_t kActiveName = 0x0400;  // NAME_FLAGS only

struct NameQuestion {
  NetbiosName name;
  std::uint16_t type = kTypeAddress;
  std::uint16_t klass = kClassInternet;
  friend bool operator==(const NameQuestion&, const NameQuestion&) = default;
};

struct NameRecord {
  NetbiosName name;
  std::uint16_t type = kTypeAddress;
  std::uint16_t klass = kClassInternet;
  std::uint32_t ttl = 0;  // seconds
  std::vector<std::uint8_t> data;
  friend bool operator==(const NameRecord&, const NameRecord&) = default;
};

struct NamePacket {
  std::uint16_t transaction_id = 0;
  std::uint16_t flags = 0;
  std::vector<NameQuestion> questions;
  std::vector<NameRecord> answers;
  std::vector<NameRecord> authorities;
  std::vector<NameRecord> additionals;
  friend bool operator==(const NamePacket&, const NamePacket&) = default;
};

// The packet's bytes; a record naming the first question's name points at it (C0 0C). Empty
// when a name cannot be encoded, a section holds more than 65535 entries or a record more than
// 65535 bytes of data, or the packet would not fit one UDP datagram.
std::vector<std::uint8_t> EncodeNamePacket(const NamePacket& packet);

// The packet in `bytes`, or nothing when a section does not fit them, a name is badly encoded,
// has a scope or points forwards or outside the packet. Bytes after the last record are ignored.
std::optional<NamePacket> DecodeNamePacket(std::span<const std::uint8_t> bytes);

// One address of an NB record: NB_FLAGS (group bit, node type) and the IPv4 address.
struct NameAddress {
  std::uint16_t flags = 0;
  std::uint32_t address = 0;  // host byte order
  friend bool operator==(const NameAddress&, const NameAddress&) = default;
};

std::vector<std::uint8_t> EncodeAddresses(std::span<const NameAddress> addresses);
// Nothing unless `data` holds one or more whole 6-byte entries.
std::optional<std::vector<NameAddress>> DecodeAddresses(std::span<const std::uint8_t> data);

// One entry of a node status answer: the name (15 characters padded with spaces, the suffix) and
// NAME_FLAGS.
struct StatusName {
  NetbiosName name;
  std::uint16_t flags = 0;
  friend bool operator==(const StatusName&, const StatusName&) = default;
};

// The names, then the statistics, all zero: we count nothing a peer could use. Empty for more
// than 255 names or a name longer than 15 bytes.
std::vector<std::uint8_t> EncodeNodeStatus(std::span<const StatusName> names);
// The names; nothing when NUM_NAMES entries do not fit `data`.
std::optional<std::vector<StatusName>> DecodeNodeStatus(std::span<const std::uint8_t> data);

// The name a node status request asks about: "*" and fifteen NUL bytes.
NetbiosName NodeStatusWildcard();

}  // namespace lanmailslot::wire
