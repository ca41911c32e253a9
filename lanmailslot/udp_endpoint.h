#pragma once
// One UDP socket for the datagram service; a client's also sends to broadcast addresses.
// Failures leave errno set for the caller's GetLastError.
#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "base/posix/scoped_fd.h"

namespace lanmailslot {

struct ReceivedDatagram {
  std::vector<std::uint8_t> bytes;
  std::uint32_t sender = 0;  // the IPv4 address it came from, host byte order
  std::uint16_t sender_port = 0;
  unsigned interface_index = 0;  // the interface it arrived on; 0 when unknown
};

class UdpEndpoint {
 public:
  // Bound to `port` on every address; with `or_any_port`, an ephemeral port when that port is
  // taken or needs a right this process lacks. Only with `broadcast` may it send to a broadcast
  // address: without, such a send fails with EACCES.
  static std::optional<UdpEndpoint> Bind(std::uint16_t port, bool or_any_port,
                                         bool broadcast = false);

  std::uint16_t port() const { return port_; }
  bool SendTo(std::span<const std::uint8_t> bytes, std::uint32_t address, std::uint16_t port);
  // The next datagram; without `wait`, nothing (errno EAGAIN) when none is there.
  std::optional<ReceivedDatagram> Receive(bool wait);
  // The next datagram within `timeout`; nothing (errno EAGAIN) when none came.
  std::optional<ReceivedDatagram> ReceiveWithin(std::chrono::milliseconds timeout);

 private:
  UdpEndpoint(base::ScopedFd fd, std::uint16_t port) : fd_(std::move(fd)), port_(port) {}

  base::ScopedFd fd_;
  std::uint16_t port_ = 0;
  std::vector<std::uint8_t> buffer_ = std::vector<std::uint8_t>(65536);
};

// The address this machine sends from towards `address` (host byte order), by its routes.
std::optional<std::uint32_t> SourceAddressFor(std::uint32_t address);

}  // namespace lanmailslot
