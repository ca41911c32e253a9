#pragma once
// Finding a computer by its NetBIOS name when the system resolver does not know it, as a
// broadcast node does: a name query to each subnet from an ephemeral port, asked again after
// 250 ms, three times in all, until an answer comes.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "lanmailslot/broadcast_node.h"

namespace lanmailslot {

// Who holds `name`<00> on the subnets behind `broadcasts` (host byte order); nothing when no
// one answers, or the answer names no other single machine.
std::optional<FoundName> QueryNetbiosName(const std::string& name,
                                          const std::vector<std::uint32_t>& broadcasts);

}  // namespace lanmailslot
