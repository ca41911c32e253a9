#include "lanmailslot/destinations.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>

#include "lanmailslot/interfaces.h"
#include "lanmailslot/name_query.h"

namespace lanmailslot {
namespace {

using wire::kDirectGroup;
using wire::kDirectUnique;

}  // namespace

std::vector<std::uint32_t> BroadcastAddresses() {
  std::vector<std::uint32_t> broadcasts;
  for (const LocalInterface& local : LocalInterfaces()) {
    if (local.up && !local.loopback && local.broadcast != 0) broadcasts.push_back(local.broadcast);
  }
  return broadcasts;
}

bool IsAddressLiteral(std::string_view host) {
  in_addr address{};
  return inet_aton(std::string(host).c_str(), &address) != 0;
}

std::optional<ResolvedHost> ResolveComputer(const std::string& name) {
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_DGRAM;
  hints.ai_flags = AI_CANONNAME;
  addrinfo* found = nullptr;
  if (getaddrinfo(name.c_str(), nullptr, &hints, &found) != 0) return std::nullopt;
  ResolvedHost host{AddressOf(found->ai_addr), found->ai_canonname ? found->ai_canonname : ""};
  if (IsAddressLiteral(name)) {
    char reverse[NI_MAXHOST] = {};
    const bool named = getnameinfo(found->ai_addr, found->ai_addrlen, reverse, sizeof reverse,
                                   nullptr, 0, NI_NAMEREQD) == 0;
    host.canonical = named ? reverse : "";
  }
  freeaddrinfo(found);
  return host;
}

std::vector<Destination> PlanDestinations(std::string_view host, const LocalNames& names,
                                          const std::optional<ResolvedHost>& resolved,
                                          const std::optional<FoundName>& found,
                                          const std::vector<std::uint32_t>& broadcasts) {
  if (host == ".") return {{kDirectUnique, names.computer, kLoopback}};
  if (host != "*" && resolved) {
    std::vector<Destination> destinations;
    for (std::string_view known : {std::string_view(resolved->canonical), host}) {
      const std::string name = IsAddressLiteral(known) ? "" : ComputerNameFromHost(known);
      const Destination to{kDirectUnique, name, resolved->address};
      if (!name.empty() && (destinations.empty() || destinations.front() != to)) {
        destinations.push_back(to);
      }
    }
    if (destinations.empty()) return {{kDirectGroup, names.workgroup, resolved->address}};
    return destinations;
  }
  if (host != "*" && found && !found->group) {
    return {{kDirectUnique, NetbiosName(host), found->address}};
  }
  const std::string group = host == "*" ? names.workgroup : NetbiosName(host);
  if (broadcasts.empty()) return {{kDirectGroup, group, kLoopback}};
  std::vector<Destination> destinations;
  for (std::uint32_t broadcast : broadcasts)
    destinations.push_back({kDirectGroup, group, broadcast});
  return destinations;
}

std::vector<Destination> FindDestinations(std::string_view host, const LocalNames& names) {
  const bool named = host != "." && host != "*";
  const auto resolved = named ? ResolveComputer(std::string(host)) : std::nullopt;
  const bool group = host == "*" || (named && !resolved);
  const auto broadcasts = group ? BroadcastAddresses() : std::vector<std::uint32_t>{};
  const auto found =
      named && !resolved ? QueryNetbiosName(NetbiosName(host), broadcasts) : std::nullopt;
  return PlanDestinations(host, names, resolved, found, broadcasts);
}

}  // namespace lanmailslot
