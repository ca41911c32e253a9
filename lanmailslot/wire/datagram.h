#pragma once
// One mailslot message as the NetBIOS datagram service carries it between machines (UDP port
// 138): the datagram header, source and destination names, and the SMB mailslot write. Pure and
// bounds-checked: the decoder takes bytes from anyone and never reads past them.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace lanmailslot::wire {

inline constexpr std::uint16_t kDatagramPort = 138;

inline constexpr std::uint8_t kDirectUnique = 0x10;  // to one computer's name
inline constexpr std::uint8_t kDirectGroup = 0x11;   // to a workgroup or domain
inline constexpr std::uint8_t kBroadcast = 0x12;

inline constexpr std::uint8_t kFlagMoreFragments = 0x01;
inline constexpr std::uint8_t kFlagFirstFragment = 0x02;
inline constexpr std::uint8_t kFlagsWhole = kFlagFirstFragment;  // unfragmented, from a B node

// The largest UDP payload over IPv4.
inline constexpr std::size_t kMaxDatagramSize = 65507;

struct MailslotDatagram {
  std::uint8_t msg_type = kDirectUnique;
  std::uint8_t flags = kFlagsWhole;  // as on the wire, node type bits included
  std::uint16_t datagram_id = 0;
  std::uint32_t source_ip = 0;  // host byte order
  std::uint16_t source_port = kDatagramPort;
  std::string source_name;  // without padding; its suffix byte apart
  std::uint8_t source_suffix = 0;
  std::string destination_name;
  std::uint8_t destination_suffix = 0;
  std::string mailslot_name;  // e.g. "\MAILSLOT\NTSERVER"
  std::vector<std::uint8_t> data;
  friend bool operator==(const MailslotDatagram&, const MailslotDatagram&) = default;
};

// The datagram's bytes, or none when a field cannot travel as given: a message type other than
// the three above, flags of a fragment, a name that cannot be encoded, a mailslot name holding a
// NUL, or more than kMaxDatagramSize bytes in all.
std::vector<std::uint8_t> EncodeDatagram(const MailslotDatagram& datagram);

// The datagram in `bytes`, or nothing for anything else: other message types, fragments, a
// length or offset past the bytes received, a badly encoded name, a name with a scope, or user
// data that is not a whole mailslot write. Bytes past DGM_LENGTH are ignored.
std::optional<MailslotDatagram> DecodeDatagram(std::span<const std::uint8_t> bytes);

}  // namespace lanmailslot::wire
