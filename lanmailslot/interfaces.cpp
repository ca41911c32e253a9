#include "lanmailslot/interfaces.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

#include <string>

namespace lanmailslot {
namespace {

// An address's label may be "eth0:1"; the index belongs to the device before the colon.
unsigned IndexOf(const char* label) {
  const std::string label_text(label);
  return if_nametoindex(label_text.substr(0, label_text.find(':')).c_str());
}

}  // namespace

std::uint32_t AddressOf(const sockaddr* address) {
  if (address == nullptr || address->sa_family != AF_INET) return 0;
  return ntohl(reinterpret_cast<const sockaddr_in*>(address)->sin_addr.s_addr);
}

std::vector<LocalInterface> LocalInterfaces() {
  std::vector<LocalInterface> interfaces;
  ifaddrs* list = nullptr;
  if (getifaddrs(&list) != 0) return interfaces;
  for (const ifaddrs* i = list; i != nullptr; i = i->ifa_next) {
    if (i->ifa_addr == nullptr || i->ifa_addr->sa_family != AF_INET) continue;
    interfaces.push_back({IndexOf(i->ifa_name), (i->ifa_flags & IFF_UP) != 0,
                          (i->ifa_flags & IFF_LOOPBACK) != 0, AddressOf(i->ifa_addr),
                          AddressOf(i->ifa_netmask),
                          (i->ifa_flags & IFF_BROADCAST) ? AddressOf(i->ifa_broadaddr) : 0});
  }
  freeifaddrs(list);
  return interfaces;
}

}  // namespace lanmailslot
