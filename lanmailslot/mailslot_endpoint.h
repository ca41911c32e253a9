#pragma once
// One machine's end of the datagram service: receives the mailslot messages addressed to this
// machine and sends messages as datagrams from its computer name, its address and its port.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "lanmailslot/destinations.h"
#include "lanmailslot/interfaces.h"
#include "lanmailslot/local_names.h"
#include "lanmailslot/udp_endpoint.h"

namespace lanmailslot {

struct Delivery {
  std::vector<std::uint8_t> message;
  std::string source_name;
  std::uint32_t source_ip = 0;
  std::uint16_t source_port = 0;
};

class MailslotEndpoint {
 public:
  // Its datagram ids start at a random number: a receiver must not take a new run's datagrams
  // for the last run's.
  MailslotEndpoint(UdpEndpoint udp, LocalNames names);
  // This machine's end on the datagram port, with the host's names; when the port is taken and
  // `or_any_port`, on an ephemeral one. Only with `broadcast` can it send to broadcast addresses
  // (a client's group requests). Nothing (errno set) on failure.
  static std::optional<MailslotEndpoint> OpenLocal(bool or_any_port, bool broadcast = false);

  // The next message for `mailslot` of at most `max_size` bytes from a sender whose datagram
  // names its own address and who may be answered (IsAnswerableSender); every other datagram is
  // dropped unread. Without `wait`, nothing (errno EAGAIN) once none is left.
  std::optional<Delivery> Receive(std::string_view mailslot, std::size_t max_size, bool wait);
  // One datagram carrying `message` to `mailslot` at `to`; false (errno set) on failure.
  bool Send(const Destination& to, std::string_view mailslot,
            std::span<const std::uint8_t> message);

  const LocalNames& names() const { return names_; }
  std::uint16_t port() const { return udp_.port(); }

 private:
  // SOURCE_IP for `destination`: asking the routes costs five calls, so the answer for the last
  // destination is kept for a second; a server answers the same client many times in a row.
  std::optional<std::uint32_t> SourceFor(std::uint32_t destination);
  // The interface list for the sender check, read again when it is a second old.
  const std::vector<LocalInterface>& Interfaces();

  UdpEndpoint udp_;
  LocalNames names_;
  std::uint16_t next_datagram_id_;
  std::uint32_t routed_destination_ = 0;
  std::uint32_t routed_source_ = 0;
  std::chrono::steady_clock::time_point routed_at_;
  std::vector<LocalInterface> interfaces_;
  std::chrono::steady_clock::time_point interfaces_read_at_;
};

}  // namespace lanmailslot
