#include "lanmailslot/name_query.h"

#include <chrono>

#include "lanmailslot/interfaces.h"
#include "lanmailslot/random_id.h"
#include "lanmailslot/senders.h"
#include "lanmailslot/udp_endpoint.h"
#include "lanmailslot/wire/name_requests.h"

namespace lanmailslot {
namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kRetryTimeout = std::chrono::milliseconds(250);
constexpr int kRetryCount = 3;
}  // namespace

std::optional<FoundName> QueryNetbiosName(const std::string& name,
                                          const std::vector<std::uint32_t>& broadcasts) {
  if (broadcasts.empty()) return std::nullopt;
  auto udp = UdpEndpoint::Bind(0, false, true);
  if (!udp) return std::nullopt;
  const std::vector<LocalInterface> interfaces = LocalInterfaces();
  const std::uint16_t id = RandomId();
  const auto query = wire::EncodeNamePacket(wire::NameQueryRequest(id, {name, 0x00}));
  if (query.empty()) return std::nullopt;
  for (int attempt = 0; attempt < kRetryCount; ++attempt) {
    for (std::uint32_t broadcast : broadcasts)
      udp->SendTo(query, broadcast, wire::kNameServicePort);
    const auto deadline = Clock::now() + kRetryTimeout;
    for (auto now = Clock::now(); now < deadline; now = Clock::now()) {
      const auto received =
          udp->ReceiveWithin(std::chrono::ceil<std::chrono::milliseconds>(deadline - now));
      if (!received) continue;
      const auto packet = wire::DecodeNamePacket(received->bytes);
      const auto found = packet ? QueryAnsweredWith(*packet, id, name) : std::nullopt;
      // The request goes where the answer says: that must be one other machine, by the rule
      // a service applies to the senders it answers.
      if (found && IsAnswerableSender(found->address, 0, interfaces)) return found;
    }
  }
  return std::nullopt;
}

}  // namespace lanmailslot
