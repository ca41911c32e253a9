#pragma once
// A capture file of UDP packets over IPv4 and Ethernet, so that a packet dissector can read
// payloads we build without any network.
#include <cstdint>
#include <span>
#include <vector>

namespace mailslotwire {

struct UdpPacket {
  std::uint32_t source_ip = 0;  // host byte order
  std::uint32_t destination_ip = 0;
  std::uint16_t source_port = 0;
  std::uint16_t destination_port = 0;
  std::vector<std::uint8_t> payload;
};

// The bytes of a classic pcap file, one Ethernet frame per packet, one second apart.
std::vector<std::uint8_t> BuildUdpPcap(std::span<const UdpPacket> packets);

}  // namespace mailslotwire
