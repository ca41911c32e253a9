#include "lanmailslot/wire/datagram.h"

#include <algorithm>
#include <utility>

#include "base/byte_order.h"
#include "lanmailslot/wire/netbios_name.h"
#include "lanmailslot/wire/smb_mailslot.h"

namespace lanmailslot::wire {
namespace {

using base::GetBig16;
using base::GetBig32;
using base::PutBig16;
using base::PutBig32;

constexpr std::size_t kHeaderSize = 14;
constexpr std::size_t kSourceNameAt = 14;
constexpr std::size_t kDestinationNameAt = kSourceNameAt + kEncodedNameSize;
constexpr std::size_t kUserDataAt = kDestinationNameAt + kEncodedNameSize;

// Offsets in the header; its numbers are big-endian.
constexpr std::size_t kDatagramIdAt = 2;
constexpr std::size_t kSourceIpAt = 4;
constexpr std::size_t kSourcePortAt = 8;
constexpr std::size_t kLengthAt = 10;
constexpr std::size_t kPacketOffsetAt = 12;

bool IsMailslotCarrier(std::uint8_t msg_type) {
  return msg_type == kDirectUnique || msg_type == kDirectGroup || msg_type == kBroadcast;
}

// We neither send nor reassemble fragments: a mailslot message fits one datagram.
bool IsWhole(std::uint8_t flags) {
  return (flags & kFlagFirstFragment) != 0 && (flags & kFlagMoreFragments) == 0;
}

}  // namespace

std::vector<std::uint8_t> EncodeDatagram(const MailslotDatagram& datagram) {
  if (!IsMailslotCarrier(datagram.msg_type) || !IsWhole(datagram.flags)) return {};
  const auto source = EncodeNetbiosName(datagram.source_name, datagram.source_suffix);
  const auto destination =
      EncodeNetbiosName(datagram.destination_name, datagram.destination_suffix);
  if (!source || !destination) return {};
  const auto smb = EncodeMailslotWrite(datagram.mailslot_name, datagram.data);
  if (smb.empty() || kUserDataAt + smb.size() > kMaxDatagramSize) return {};

  std::vector<std::uint8_t> bytes(kUserDataAt + smb.size());
  bytes[0] = datagram.msg_type;
  bytes[1] = datagram.flags;
  PutBig16(bytes, kDatagramIdAt, datagram.datagram_id);
  PutBig32(bytes, kSourceIpAt, datagram.source_ip);
  PutBig16(bytes, kSourcePortAt, datagram.source_port);
  PutBig16(bytes, kLengthAt, static_cast<std::uint16_t>(bytes.size() - kHeaderSize));
  PutBig16(bytes, kPacketOffsetAt, 0);
  std::copy(source->begin(), source->end(), bytes.begin() + kSourceNameAt);
  std::copy(destination->begin(), destination->end(), bytes.begin() + kDestinationNameAt);
  std::copy(smb.begin(), smb.end(), bytes.begin() + kUserDataAt);
  return bytes;
}

std::optional<MailslotDatagram> DecodeDatagram(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kHeaderSize) return std::nullopt;
  if (!IsMailslotCarrier(bytes[0]) || !IsWhole(bytes[1])) return std::nullopt;
  if (GetBig16(bytes, kPacketOffsetAt) != 0) return std::nullopt;
  const std::size_t length = GetBig16(bytes, kLengthAt);
  if (length > bytes.size() - kHeaderSize) return std::nullopt;
  bytes = bytes.first(kHeaderSize + length);
  if (bytes.size() < kUserDataAt) return std::nullopt;

  const auto source = DecodeNetbiosName(bytes.subspan(kSourceNameAt, kEncodedNameSize));
  const auto destination = DecodeNetbiosName(bytes.subspan(kDestinationNameAt, kEncodedNameSize));
  if (!source || !destination) return std::nullopt;
  auto write = DecodeMailslotWrite(bytes.subspan(kUserDataAt));
  if (!write) return std::nullopt;

  MailslotDatagram datagram;
  datagram.msg_type = bytes[0];
  datagram.flags = bytes[1];
  datagram.datagram_id = GetBig16(bytes, kDatagramIdAt);
  datagram.source_ip = GetBig32(bytes, kSourceIpAt);
  datagram.source_port = GetBig16(bytes, kSourcePortAt);
  datagram.source_name = source->name;
  datagram.source_suffix = source->suffix;
  datagram.destination_name = destination->name;
  datagram.destination_suffix = destination->suffix;
  datagram.mailslot_name = std::move(write->mailslot_name);
  datagram.data = std::move(write->data);
  return datagram;
}

}  // namespace lanmailslot::wire
