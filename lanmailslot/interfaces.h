#pragma once
// This machine's IPv4 interface addresses, as the sender check and the group requests need them.
#include <sys/socket.h>

#include <cstdint>
#include <vector>

namespace lanmailslot {

// Addresses in host byte order.
struct LocalInterface {
  unsigned index = 0;  // the interface's index, as IP_PKTINFO reports it; 0 when unknown
  bool up = false;
  bool loopback = false;
  std::uint32_t address = 0;
  std::uint32_t netmask = 0;
  std::uint32_t broadcast = 0;  // 0 when it has none
  friend bool operator==(const LocalInterface&, const LocalInterface&) = default;
};

// The IPv4 address in `address` in host byte order; 0 for none or another family.
std::uint32_t AddressOf(const sockaddr* address);

// One entry per IPv4 address (getifaddrs); empty when the list cannot be read.
std::vector<LocalInterface> LocalInterfaces();

}  // namespace lanmailslot
