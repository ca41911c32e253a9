#pragma once
// The name service packets a broadcast node sends, with the flag words other nodes use for them:
// each names one NetBIOS name and, where it takes one, one IPv4 address (host byte order).
#include <cstdint>
#include <span>

#include "lanmailslot/wire/name_packet.h"

namespace lanmailslot::wire {

// Who holds `name`, asked by broadcast.
NamePacket NameQueryRequest(std::uint16_t id, const NetbiosName& name);
// This node takes `name` at `address`, told by broadcast; a holder of the name may refuse it.
NamePacket RegistrationRequest(std::uint16_t id, const NetbiosName& name, bool group,
                               std::uint32_t address);
// This node gives up `name`, told by broadcast.
NamePacket ReleaseRequest(std::uint16_t id, const NetbiosName& name, bool group,
                          std::uint32_t address);
// The answer to a query: this node holds `name` at `address`.
NamePacket PositiveQueryResponse(std::uint16_t id, const NetbiosName& name, bool group,
                                 std::uint32_t address);
// The refusal of a registration: `name` is held, as unique, by the node at `address`.
NamePacket NegativeRegistrationResponse(std::uint16_t id, const NetbiosName& name,
                                        std::uint32_t address);
// The answer to a node status request about `asked`: every name this node holds.
NamePacket NodeStatusResponse(std::uint16_t id, const NetbiosName& asked,
                              std::span<const StatusName> names);

}  // namespace lanmailslot::wire
