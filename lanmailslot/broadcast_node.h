#pragma once
// A broadcast node's part in the name service, for names with the suffix <00>: what it answers
// for the names it holds (queries, node status requests, and another node's registration of a
// unique name it holds, which it refuses), and what it takes from the answers it gets. Pure:
// the caller owns the socket and the log.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "lanmailslot/wire/name_packet.h"

namespace lanmailslot {

struct HeldName {
  std::string name;  // as NetbiosName gives it
  bool group = false;
  friend bool operator==(const HeldName&, const HeldName&) = default;
};

struct NameServiceAnswer {
  wire::NamePacket packet;
  // The answer refuses the sender a name this node holds, which the caller logs.
  bool refusal = false;
};

// The answer to `request`, sent by a node at `sender` to this node's address `own_address`:
// - a name query for a held name: the positive answer (a broadcast node never answers "no");
// - a node status request for "*" or a held name: every held name;
// - another node's registration of a name this node holds as unique: the refusal naming this
//   node (a group name is anyone's to join);
// nothing for every other packet, this node's own requests among them.
std::optional<NameServiceAnswer> AnswerNameRequest(const wire::NamePacket& request,
                                                   std::span<const HeldName> held,
                                                   std::uint32_t sender, std::uint32_t own_address);

// The address of the node that refuses this node's registration `id` of `name` in `response`;
// nothing when the response is no such refusal.
std::optional<std::uint32_t> RegistrationRefusedBy(const wire::NamePacket& response,
                                                   std::uint16_t id, const HeldName& name);

struct FoundName {
  std::uint32_t address = 0;  // host byte order
  bool group = false;
  friend bool operator==(const FoundName&, const FoundName&) = default;
};

// What `response` answers to this node's query `id` for `name`: the first address of a positive
// answer naming it, a unique one before a group member; nothing for anything else.
std::optional<FoundName> QueryAnsweredWith(const wire::NamePacket& response, std::uint16_t id,
                                           std::string_view name);

// "NAME<00>", as the log shows a name.
std::string NameForLog(const HeldName& name);

}  // namespace lanmailslot
