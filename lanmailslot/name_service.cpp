#include "lanmailslot/name_service.h"

#include <arpa/inet.h>
#include <netinet/in.h>

#include "lanmailslot/random_id.h"
#include "lanmailslot/senders.h"
#include "lanmailslot/wire/name_requests.h"

namespace lanmailslot {
namespace {

using Clock = std::chrono::steady_clock;

// A broadcast node registers a name three times, 250 ms apart, and holds it when no one refused.
constexpr auto kRetryTimeout = std::chrono::milliseconds(250);
constexpr int kRetryCount = 3;
// How soon the thread sees a stop.
constexpr auto kStopCheck = std::chrono::milliseconds(200);

std::string DottedAddress(std::uint32_t address) {
  in_addr in{htonl(address)};
  char text[INET_ADDRSTRLEN] = {};
  inet_ntop(AF_INET, &in, text, sizeof text);
  return text;
}

bool IsSubnet(const LocalInterface& local) {
  return local.up && !local.loopback && local.broadcast != 0;
}

}  // namespace

std::unique_ptr<NameService> NameService::Start(const LocalNames& names, Log log) {
  auto udp = UdpEndpoint::Bind(wire::kNameServicePort, false, true);
  if (!udp) return nullptr;
  std::unique_ptr<NameService> service(new NameService(std::move(*udp), names, std::move(log)));
  service->thread_ = std::thread([raw = service.get()] { raw->Run(); });
  return service;
}

NameService::NameService(UdpEndpoint udp, const LocalNames& names, Log log)
    : udp_(std::move(udp)), log_(std::move(log)), interfaces_(LocalInterfaces()) {
  const std::uint16_t id = RandomId();
  registrations_.push_back({{names.computer, false}, id});
  if (names.workgroup != names.computer) {
    registrations_.push_back({{names.workgroup, true}, static_cast<std::uint16_t>(id + 1)});
  }
}

void NameService::Stop() {
  if (stopping_.exchange(true)) return;
  if (thread_.joinable()) thread_.join();
  Broadcast([](const Registration& r, std::uint32_t address) {
    return wire::ReleaseRequest(r.id, {r.name.name, 0x00}, r.name.group, address);
  });
}

void NameService::Run() {
  Register();
  while (!stopping_) ServeFor(kStopCheck);
}

void NameService::Register() {
  for (int attempt = 0; attempt < kRetryCount && !stopping_; ++attempt) {
    Broadcast([](const Registration& r, std::uint32_t address) {
      return wire::RegistrationRequest(r.id, {r.name.name, 0x00}, r.name.group, address);
    });
    ServeFor(kRetryTimeout);
  }
}

// Handles what arrives for `period`, or until a stop.
void NameService::ServeFor(std::chrono::milliseconds period) {
  const auto deadline = Clock::now() + period;
  for (auto now = Clock::now(); now < deadline && !stopping_; now = Clock::now()) {
    const auto received =
        udp_.ReceiveWithin(std::chrono::ceil<std::chrono::milliseconds>(deadline - now));
    if (received) Handle(*received);
  }
}

void NameService::Handle(const ReceivedDatagram& received) {
  const auto packet = wire::DecodeNamePacket(received.bytes);
  if (!packet || TakeRefusal(*packet)) return;
  // Answers go back to the sender, which must be one other machine: never a broadcast address,
  // nor this machine's own packets coming round again.
  if (!IsAnswerableSender(received.sender, received.interface_index, interfaces_)) return;
  const auto own_address = OwnAddressFor(received);
  if (!own_address) return;
  const std::vector<HeldName> held = Held();
  const auto answer = AnswerNameRequest(*packet, held, received.sender, *own_address);
  if (!answer) return;
  const auto bytes = wire::EncodeNamePacket(answer->packet);
  if (!bytes.empty()) udp_.SendTo(bytes, received.sender, received.sender_port);
  if (answer->refusal) {
    log_("Name conflict: " + DottedAddress(received.sender) + " tried to take " +
         NameForLog({answer->packet.answers.front().name.name}) + "; refused");
  }
}

// This machine's address on the sender's subnet, where the packet came in; the routes are
// asked (a socket and a connect) only for a sender on no local subnet.
std::optional<std::uint32_t> NameService::OwnAddressFor(const ReceivedDatagram& received) const {
  for (const LocalInterface& local : interfaces_) {
    const bool same_subnet = ((local.address ^ received.sender) & local.netmask) == 0;
    if (local.index == received.interface_index && IsSubnet(local) && same_subnet) {
      return local.address;
    }
  }
  return SourceAddressFor(received.sender);
}

// Whether `response` refuses one of this node's registrations, which it then gives up.
bool NameService::TakeRefusal(const wire::NamePacket& response) {
  for (Registration& registration : registrations_) {
    if (!registration.held) continue;
    const auto holder = RegistrationRefusedBy(response, registration.id, registration.name);
    if (!holder) continue;
    registration.held = false;
    log_("Name conflict: " + NameForLog(registration.name) + " is held by " +
         DottedAddress(*holder) + "; this machine does not answer to it");
    return true;
  }
  return false;
}

std::vector<HeldName> NameService::Held() const {
  std::vector<HeldName> held;
  for (const Registration& registration : registrations_) {
    if (registration.held) held.push_back(registration.name);
  }
  return held;
}

// One packet per held name and subnet, made with this machine's address there.
void NameService::Broadcast(
    const std::function<wire::NamePacket(const Registration&, std::uint32_t)>& make) {
  for (const Registration& registration : registrations_) {
    if (!registration.held) continue;
    for (const LocalInterface& local : interfaces_) {
      if (!IsSubnet(local)) continue;
      const auto bytes = wire::EncodeNamePacket(make(registration, local.address));
      if (!bytes.empty()) udp_.SendTo(bytes, local.broadcast, wire::kNameServicePort);
    }
  }
}

}  // namespace lanmailslot
