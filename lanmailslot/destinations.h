#pragma once
// Where a write to \\<host>\mailslot\x goes: "." is this machine through loopback; "*" is the
// workgroup; a name the system resolver knows is a computer (direct unique to its address);
// any other name is a workgroup or domain (direct group to each subnet's broadcast address).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lanmailslot/local_names.h"
#include "mailslotwire/datagram.h"

namespace lanmailslot {

inline constexpr std::uint32_t kLoopback = 0x7F000001;  // 127.0.0.1

// IPv4 addresses in host byte order.
struct Destination {
  std::uint8_t msg_type = 0;
  std::string name;  // the destination name
  std::uint32_t address = 0;
  std::uint16_t port = mailslotwire::kDatagramPort;
  friend bool operator==(const Destination&, const Destination&) = default;
};

// The broadcast addresses of the up IPv4 interfaces that have one.
std::vector<std::uint32_t> BroadcastAddresses();
// The host's first IPv4 address from getaddrinfo (hosts file, DNS), or nothing.
std::optional<std::uint32_t> ResolveComputer(const std::string& name);

// The datagrams to send. `resolved` is the address the resolver gave for `host`, if any. A
// group with no broadcast interface goes to loopback, so that a lone machine reaches its own
// server.
std::vector<Destination> PlanDestinations(std::string_view host, const LocalNames& names,
                                          std::optional<std::uint32_t> resolved,
                                          const std::vector<std::uint32_t>& broadcasts);

// PlanDestinations with this machine's resolver and interfaces ("." and "*" ask neither).
std::vector<Destination> FindDestinations(std::string_view host, const LocalNames& names);

}  // namespace lanmailslot
