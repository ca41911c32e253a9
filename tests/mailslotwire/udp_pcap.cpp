#include "udp_pcap.h"

namespace mailslotwire {
namespace {

constexpr std::uint32_t kPcapMagic = 0xa1b2c3d4;
constexpr std::uint32_t kLinkTypeEthernet = 1;
constexpr std::uint32_t kSnapLength = 65535;
constexpr std::uint16_t kEtherTypeIpv4 = 0x0800;
constexpr std::uint8_t kProtocolUdp = 17;
constexpr std::size_t kIpHeaderSize = 20;
constexpr std::size_t kUdpHeaderSize = 8;

// pcap's own headers are little-endian here (its magic number tells readers so), the packets'
// headers in network order.
void PutLittle(std::vector<std::uint8_t>& out, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void PutBig(std::vector<std::uint8_t>& out, std::uint32_t value, int size) {
  for (int i = size - 1; i >= 0; --i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::uint16_t InternetChecksum(std::span<const std::uint8_t> header) {
  std::uint32_t sum = 0;
  for (std::size_t i = 0; i + 1 < header.size(); i += 2) sum += header[i] << 8 | header[i + 1];
  while (sum >> 16) sum = (sum & 0xFFFF) + (sum >> 16);
  return static_cast<std::uint16_t>(~sum);
}

std::vector<std::uint8_t> EthernetFrame(const UdpPacket& packet, std::uint16_t ip_id) {
  std::vector<std::uint8_t> frame(12, 0);  // both hardware addresses zero, as on loopback
  PutBig(frame, kEtherTypeIpv4, 2);

  const std::size_t ip_start = frame.size();
  const std::size_t udp_length = kUdpHeaderSize + packet.payload.size();
  PutBig(frame, 0x45, 1);  // version 4, five words
  PutBig(frame, 0, 1);
  PutBig(frame, static_cast<std::uint32_t>(kIpHeaderSize + udp_length), 2);
  PutBig(frame, ip_id, 2);
  PutBig(frame, 0, 2);  // not fragmented
  PutBig(frame, 64, 1);
  PutBig(frame, kProtocolUdp, 1);
  PutBig(frame, 0, 2);  // checksum, filled in below
  PutBig(frame, packet.source_ip, 4);
  PutBig(frame, packet.destination_ip, 4);
  const std::uint16_t checksum =
      InternetChecksum(std::span(frame).subspan(ip_start, kIpHeaderSize));
  frame[ip_start + 10] = static_cast<std::uint8_t>(checksum >> 8);
  frame[ip_start + 11] = static_cast<std::uint8_t>(checksum & 0xFF);

  PutBig(frame, packet.source_port, 2);
  PutBig(frame, packet.destination_port, 2);
  PutBig(frame, static_cast<std::uint32_t>(udp_length), 2);
  PutBig(frame, 0, 2);  // no UDP checksum, which IPv4 allows
  frame.insert(frame.end(), packet.payload.begin(), packet.payload.end());
  return frame;
}

}  // namespace

std::vector<std::uint8_t> BuildUdpPcap(std::span<const UdpPacket> packets) {
  std::vector<std::uint8_t> out;
  PutLittle(out, kPcapMagic, 4);
  PutLittle(out, 2, 2);  // format version 2.4
  PutLittle(out, 4, 2);
  PutLittle(out, 0, 4);  // time zone offset
  PutLittle(out, 0, 4);  // timestamp accuracy
  PutLittle(out, kSnapLength, 4);
  PutLittle(out, kLinkTypeEthernet, 4);
  for (std::size_t i = 0; i < packets.size(); ++i) {
    const auto frame = EthernetFrame(packets[i], static_cast<std::uint16_t>(i + 1));
    PutLittle(out, static_cast<std::uint32_t>(1700000000 + i), 4);  // seconds
    PutLittle(out, 0, 4);                                           // microseconds
    PutLittle(out, static_cast<std::uint32_t>(frame.size()), 4);    // bytes captured
    PutLittle(out, static_cast<std::uint32_t>(frame.size()), 4);    // bytes on the wire
    out.insert(out.end(), frame.begin(), frame.end());
  }
  return out;
}

}  // namespace mailslotwire
