#pragma once
// Where a write to \\<host>\mailslot\x goes: "." is this machine through loopback; "*" is the
// workgroup; a name the system resolver knows is a computer (direct unique to its address); so
// is a name a node answers for as its unique NetBIOS name (asked by broadcast); any other name
// is a workgroup or domain (direct group to each subnet's broadcast address).
// A computer is asked under the first label of the name the resolver gives for it and under the
// first label of the name typed, when these differ: a receiver takes only its own name, and an
// alias or address is none.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lanmailslot/broadcast_node.h"
#include "lanmailslot/local_names.h"
#include "lanmailslot/wire/datagram.h"

namespace lanmailslot {

inline constexpr std::uint32_t kLoopback = 0x7F000001;  // 127.0.0.1

// IPv4 addresses in host byte order.
struct Destination {
  std::uint8_t msg_type = 0;
  std::string name;  // the destination name
  std::uint32_t address = 0;
  std::uint16_t port = wire::kDatagramPort;
  friend bool operator==(const Destination&, const Destination&) = default;
};

// The broadcast addresses of the up IPv4 interfaces that have one.
std::vector<std::uint32_t> BroadcastAddresses();
struct ResolvedHost {
  std::uint32_t address = 0;
  // The resolver's own name for the machine: the canonical name, or for an address the name it
  // maps back to; empty when it has none.
  std::string canonical;
};

// Whether `host` is an IPv4 address as the resolver reads one ("10.213.0.2", also "10.1").
bool IsAddressLiteral(std::string_view host);
// The host's first IPv4 address and its name from getaddrinfo and, for an address, getnameinfo
// (hosts file, DNS); nothing when the resolver does not know it.
std::optional<ResolvedHost> ResolveComputer(const std::string& name);

// The datagrams to send. `resolved` is what the resolver knows of `host`, if anything, and
// `found` what the name service found for it when the resolver knew nothing. A
// computer is asked under every name it may hold (above); an address that no name is known for
// gets a direct group datagram to the own workgroup, to that address alone. A group with no
// broadcast interface goes to loopback, so that a lone machine reaches its own server.
std::vector<Destination> PlanDestinations(std::string_view host, const LocalNames& names,
                                          const std::optional<ResolvedHost>& resolved,
                                          const std::optional<FoundName>& found,
                                          const std::vector<std::uint32_t>& broadcasts);

// PlanDestinations with this machine's resolver, name service and interfaces ("." and "*" ask
// none of them).
std::vector<Destination> FindDestinations(std::string_view host, const LocalNames& names);

}  // namespace lanmailslot
