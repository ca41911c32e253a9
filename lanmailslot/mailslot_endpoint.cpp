#include "lanmailslot/mailslot_endpoint.h"

#include <cerrno>

#include "lanmailslot/local_names.h"
#include "lanmailslot/random_id.h"
#include "lanmailslot/senders.h"
#include "lanmailslot/wire/datagram.h"

namespace lanmailslot {
namespace {

constexpr auto kRefreshAfter = std::chrono::seconds(1);

bool IsFresh(std::chrono::steady_clock::time_point read_at,
             std::chrono::steady_clock::time_point now) {
  return read_at != std::chrono::steady_clock::time_point{} && now - read_at < kRefreshAfter;
}

}  // namespace

MailslotEndpoint::MailslotEndpoint(UdpEndpoint udp, LocalNames names)
    : udp_(std::move(udp)), names_(std::move(names)), next_datagram_id_(RandomId()) {}

std::optional<MailslotEndpoint> MailslotEndpoint::OpenLocal(bool or_any_port, bool broadcast) {
  auto names = ReadLocalNames();
  if (!names) return std::nullopt;
  auto udp = UdpEndpoint::Bind(wire::kDatagramPort, or_any_port, broadcast);
  if (!udp) return std::nullopt;
  return MailslotEndpoint(std::move(*udp), std::move(*names));
}

std::optional<Delivery> MailslotEndpoint::Receive(std::string_view mailslot, std::size_t max_size,
                                                  bool wait) {
  for (;;) {
    const auto received = udp_.Receive(wait);
    if (!received) return std::nullopt;
    auto datagram = wire::DecodeDatagram(received->bytes);
    if (!datagram || !IsAddressedHere(*datagram, names_, mailslot)) continue;
    // Answers go to SOURCE_IP; one naming another address than the sender's would make this
    // machine send to a third party, or to a broadcast address.
    if (datagram->source_ip != received->sender) continue;
    if (!IsAnswerableSender(received->sender, received->interface_index, Interfaces())) continue;
    // A writer's message that would not fit the mailslot never arrives.
    if (datagram->data.size() > max_size) continue;
    return Delivery{std::move(datagram->data), std::move(datagram->source_name),
                    datagram->source_ip, datagram->source_port};
  }
}

const std::vector<LocalInterface>& MailslotEndpoint::Interfaces() {
  const auto now = std::chrono::steady_clock::now();
  if (!IsFresh(interfaces_read_at_, now)) {
    interfaces_ = LocalInterfaces();
    interfaces_read_at_ = now;
  }
  return interfaces_;
}

std::optional<std::uint32_t> MailslotEndpoint::SourceFor(std::uint32_t destination) {
  const auto now = std::chrono::steady_clock::now();
  if (destination == routed_destination_ && IsFresh(routed_at_, now)) return routed_source_;
  const auto source = SourceAddressFor(destination);
  if (!source) return std::nullopt;
  routed_destination_ = destination;
  routed_source_ = *source;
  routed_at_ = now;
  return source;
}

bool MailslotEndpoint::Send(const Destination& to, std::string_view mailslot,
                            std::span<const std::uint8_t> message) {
  const auto source_ip = SourceFor(to.address);
  if (!source_ip) return false;
  wire::MailslotDatagram datagram;
  datagram.msg_type = to.msg_type;
  datagram.flags = wire::kFlagsWhole;
  datagram.datagram_id = next_datagram_id_++;
  datagram.source_ip = *source_ip;
  datagram.source_port = udp_.port();
  datagram.source_name = names_.computer;
  datagram.source_suffix = 0;
  datagram.destination_name = to.name;
  datagram.destination_suffix = 0;
  datagram.mailslot_name = std::string(mailslot);
  datagram.data.assign(message.begin(), message.end());
  const std::vector<std::uint8_t> bytes = wire::EncodeDatagram(datagram);
  if (bytes.empty()) {  // a name that cannot travel
    errno = EINVAL;
    return false;
  }
  return udp_.SendTo(bytes, to.address, to.port);
}

}  // namespace lanmailslot
