#include "lanmailslot/wire/name_requests.h"

namespace lanmailslot::wire {
namespace {

constexpr std::uint16_t kRequestFlags = kFlagRecursionDesired | kFlagBroadcast;
constexpr std::uint32_t kAnswerTtl = 259200;  // three days, as other nodes answer

NameRecord AddressRecord(const NetbiosName& name, bool group, std::uint32_t address,
                         std::uint32_t ttl) {
  const NameAddress entry{group ? kGroupName : std::uint16_t{0}, address};
  return {name, kTypeAddress, kClassInternet, ttl, EncodeAddresses({&entry, 1})};
}

NamePacket Header(std::uint16_t id, std::uint16_t flags) {
  NamePacket packet;
  packet.transaction_id = id;
  packet.flags = flags;
  return packet;
}

NamePacket Request(std::uint16_t id, std::uint16_t flags, const NetbiosName& name) {
  NamePacket packet = Header(id, flags);
  packet.questions.push_back({name});
  return packet;
}

}  // namespace

NamePacket NameQueryRequest(std::uint16_t id, const NetbiosName& name) {
  return Request(id, OpcodeFlags(kOpcodeQuery) | kRequestFlags, name);
}

NamePacket RegistrationRequest(std::uint16_t id, const NetbiosName& name, bool group,
                               std::uint32_t address) {
  NamePacket packet = Request(id, OpcodeFlags(kOpcodeRegistration) | kRequestFlags, name);
  packet.additionals.push_back(AddressRecord(name, group, address, 0));
  return packet;
}

NamePacket ReleaseRequest(std::uint16_t id, const NetbiosName& name, bool group,
                          std::uint32_t address) {
  NamePacket packet = Request(id, OpcodeFlags(kOpcodeRelease) | kFlagBroadcast, name);
  packet.additionals.push_back(AddressRecord(name, group, address, 0));
  return packet;
}

NamePacket PositiveQueryResponse(std::uint16_t id, const NetbiosName& name, bool group,
                                 std::uint32_t address) {
  NamePacket packet = Header(id, kFlagResponse | OpcodeFlags(kOpcodeQuery) | kFlagAuthoritative |
                                     kFlagRecursionDesired | kFlagRecursionAvailable);
  packet.answers.push_back(AddressRecord(name, group, address, kAnswerTtl));
  return packet;
}

NamePacket NegativeRegistrationResponse(std::uint16_t id, const NetbiosName& name,
                                        std::uint32_t address) {
  NamePacket packet =
      Header(id, kFlagResponse | OpcodeFlags(kOpcodeRegistration) | kFlagAuthoritative |
                     kFlagRecursionDesired | kFlagRecursionAvailable | kRcodeActiveError);
  packet.answers.push_back(AddressRecord(name, false, address, 0));
  return packet;
}

NamePacket NodeStatusResponse(std::uint16_t id, const NetbiosName& asked,
                              std::span<const StatusName> names) {
  NamePacket packet = Header(id, kFlagResponse | OpcodeFlags(kOpcodeQuery) | kFlagAuthoritative);
  packet.answers.push_back({asked, kTypeNodeStatus, kClassInternet, 0, EncodeNodeStatus(names)});
  return packet;
}

}  // namespace lanmailslot::wire
