#include "lanmailslot/destinations.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netdb.h>
#include <netinet/in.h>

namespace lanmailslot {
namespace {

using mailslotwire::kDirectGroup;
using mailslotwire::kDirectUnique;

std::uint32_t AddressOf(const sockaddr* address) {
  return ntohl(reinterpret_cast<const sockaddr_in*>(address)->sin_addr.s_addr);
}

}  // namespace

std::vector<std::uint32_t> BroadcastAddresses() {
  std::vector<std::uint32_t> broadcasts;
  ifaddrs* list = nullptr;
  if (getifaddrs(&list) != 0) return broadcasts;
  for (const ifaddrs* i = list; i != nullptr; i = i->ifa_next) {
    const bool usable = (i->ifa_flags & IFF_UP) && (i->ifa_flags & IFF_BROADCAST) &&
                        !(i->ifa_flags & IFF_LOOPBACK) && i->ifa_addr != nullptr &&
                        i->ifa_addr->sa_family == AF_INET && i->ifa_broadaddr != nullptr;
    if (usable) broadcasts.push_back(AddressOf(i->ifa_broadaddr));
  }
  freeifaddrs(list);
  return broadcasts;
}

std::optional<std::uint32_t> ResolveComputer(const std::string& name) {
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_DGRAM;
  addrinfo* found = nullptr;
  if (getaddrinfo(name.c_str(), nullptr, &hints, &found) != 0) return std::nullopt;
  const std::uint32_t address = AddressOf(found->ai_addr);
  freeaddrinfo(found);
  return address;
}

std::vector<Destination> PlanDestinations(std::string_view host, const LocalNames& names,
                                          std::optional<std::uint32_t> resolved,
                                          const std::vector<std::uint32_t>& broadcasts) {
  if (host == ".") return {{kDirectUnique, names.computer, kLoopback}};
  if (host != "*" && resolved) return {{kDirectUnique, NetbiosName(host), *resolved}};
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
  return PlanDestinations(host, names, resolved,
                          group ? BroadcastAddresses() : std::vector<std::uint32_t>{});
}

}  // namespace lanmailslot
