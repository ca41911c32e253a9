#include "lanmailslot/broadcast_node.h"

#include <algorithm>
#include <vector>

#include "base/ascii_case.h"
#include "lanmailslot/wire/name_requests.h"

namespace lanmailslot {
namespace {

using wire::NamePacket;
using wire::NetbiosName;

constexpr std::uint8_t kOwnNameSuffix = 0x00;

bool Names(const NetbiosName& wire_name, const HeldName& held) {
  return wire_name.suffix == kOwnNameSuffix && base::EqualIgnoringCase(wire_name.name, held.name);
}

const HeldName* Find(std::span<const HeldName> held, const NetbiosName& name) {
  const auto found =
      std::find_if(held.begin(), held.end(), [&](const HeldName& h) { return Names(name, h); });
  return found == held.end() ? nullptr : &*found;
}

// A registration names the address it claims the name for; one without is no claim.
bool ClaimsAnAddress(const NamePacket& registration, const HeldName& name) {
  return std::any_of(registration.additionals.begin(), registration.additionals.end(),
                     [&](const wire::NameRecord& record) {
                       return record.type == wire::kTypeAddress &&
                              record.klass == wire::kClassInternet && Names(record.name, name) &&
                              wire::DecodeAddresses(record.data);
                     });
}

NetbiosName WireName(const HeldName& held) {
  return {held.name, kOwnNameSuffix};
}

NameServiceAnswer NodeStatus(std::uint16_t id, const NetbiosName& asked,
                             std::span<const HeldName> held) {
  std::vector<wire::StatusName> names;
  for (const HeldName& name : held) {
    const std::uint16_t kind = name.group ? wire::kGroupName : std::uint16_t{0};
    names.push_back({WireName(name), static_cast<std::uint16_t>(kind | wire::kActiveName)});
  }
  return {wire::NodeStatusResponse(id, asked, names)};
}

}  // namespace

std::optional<NameServiceAnswer> AnswerNameRequest(const NamePacket& request,
                                                   std::span<const HeldName> held,
                                                   std::uint32_t sender,
                                                   std::uint32_t own_address) {
  if ((request.flags & wire::kFlagResponse) != 0 || request.questions.size() != 1) {
    return std::nullopt;
  }
  const wire::NameQuestion& question = request.questions.front();
  if (question.klass != wire::kClassInternet) return std::nullopt;
  const HeldName* name = Find(held, question.name);
  const std::uint8_t opcode = wire::OpcodeOf(request.flags);
  if (opcode == wire::kOpcodeQuery && question.type == wire::kTypeAddress && name) {
    return NameServiceAnswer{wire::PositiveQueryResponse(request.transaction_id, WireName(*name),
                                                         name->group, own_address)};
  }
  if (opcode == wire::kOpcodeQuery && question.type == wire::kTypeNodeStatus &&
      (name || question.name == wire::NodeStatusWildcard())) {
    return NodeStatus(request.transaction_id, question.name, held);
  }
  if (opcode == wire::kOpcodeRegistration && name && !name->group && sender != own_address &&
      ClaimsAnAddress(request, *name)) {
    return NameServiceAnswer{
        wire::NegativeRegistrationResponse(request.transaction_id, WireName(*name), own_address),
        true};
  }
  return std::nullopt;
}

std::optional<std::uint32_t> RegistrationRefusedBy(const NamePacket& response, std::uint16_t id,
                                                   const HeldName& name) {
  const bool refusal = (response.flags & wire::kFlagResponse) != 0 &&
                       wire::OpcodeOf(response.flags) == wire::kOpcodeRegistration &&
                       wire::RcodeOf(response.flags) != 0 && response.transaction_id == id;
  if (!refusal) return std::nullopt;
  for (const wire::NameRecord& record : response.answers) {
    if (record.type != wire::kTypeAddress || !Names(record.name, name)) continue;
    if (const auto addresses = wire::DecodeAddresses(record.data))
      return addresses->front().address;
  }
  return std::nullopt;
}

std::optional<FoundName> QueryAnsweredWith(const NamePacket& response, std::uint16_t id,
                                           std::string_view name) {
  const bool answer = (response.flags & wire::kFlagResponse) != 0 &&
                      wire::OpcodeOf(response.flags) == wire::kOpcodeQuery &&
                      wire::RcodeOf(response.flags) == 0 && response.transaction_id == id;
  if (!answer) return std::nullopt;
  const HeldName asked{std::string(name)};
  std::optional<FoundName> found;
  for (const wire::NameRecord& record : response.answers) {
    if (record.type != wire::kTypeAddress || !Names(record.name, asked)) continue;
    for (const wire::NameAddress& entry :
         wire::DecodeAddresses(record.data).value_or(std::vector<wire::NameAddress>{})) {
      const FoundName here{entry.address, (entry.flags & wire::kGroupName) != 0};
      if (!here.group) return here;
      if (!found) found = here;
    }
  }
  return found;
}

std::string NameForLog(const HeldName& name) {
  return name.name + "<00>";
}

}  // namespace lanmailslot
