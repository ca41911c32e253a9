#include "lanmailslot/senders.h"

#include <algorithm>

namespace lanmailslot {
namespace {

constexpr std::uint32_t kLimitedBroadcast = 0xFFFFFFFF;

bool IsIn(std::uint32_t address, std::uint32_t network, int prefix_length) {
  return (address >> (32 - prefix_length)) == (network >> (32 - prefix_length));
}

// Subnets of /31 and /32 have no network or broadcast address: every address is a host.
bool IsSubnetEdge(std::uint32_t address, const LocalInterface& local) {
  if (local.broadcast != 0 && address == local.broadcast) return true;
  if (local.netmask == 0 || (~local.netmask & 0xFFFFFFFEu) == 0) return false;
  const std::uint32_t network = local.address & local.netmask;
  return address == network || address == (network | ~local.netmask);
}

}  // namespace

bool IsAnswerableSender(std::uint32_t sender, unsigned arrived_on,
                        std::span<const LocalInterface> interfaces) {
  if (IsIn(sender, 0, 8) || IsIn(sender, 0xE0000000, 4) || sender == kLimitedBroadcast) {
    return false;
  }
  const auto edge = [&](const LocalInterface& local) { return IsSubnetEdge(sender, local); };
  if (std::any_of(interfaces.begin(), interfaces.end(), edge)) return false;
  const bool from_here =
      IsIn(sender, 0x7F000000, 8) ||
      std::any_of(interfaces.begin(), interfaces.end(),
                  [&](const LocalInterface& local) { return local.address == sender; });
  if (!from_here) return true;
  // Only this machine reaches its loopback; from outside such a sender is a forgery that would
  // make the answer land in this machine's own sockets.
  return arrived_on != 0 &&
         std::any_of(interfaces.begin(), interfaces.end(), [&](const LocalInterface& local) {
           return local.loopback && local.index == arrived_on;
         });
}

}  // namespace lanmailslot
