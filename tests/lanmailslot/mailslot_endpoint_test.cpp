// Two endpoints on loopback, each on an ephemeral port: what one sends, the other receives with
// the sender's name, address and port, and what is not for it never comes out.
#include "lanmailslot/mailslot_endpoint.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <set>

#include "lanmailslot/wire/datagram.h"

namespace lanmailslot {
namespace {

constexpr char kServer[] = R"(\MAILSLOT\NTSERVER)";

MailslotEndpoint Open(const char* computer) {
  auto udp = UdpEndpoint::Bind(0, false);
  EXPECT_TRUE(udp);
  return MailslotEndpoint(std::move(*udp), {computer, "LAB"});
}

TEST(MailslotEndpoint, DeliversMessagesForItAndDropsTheRest) {
  MailslotEndpoint client = Open("CARBON");
  MailslotEndpoint server = Open("ALPHA");
  auto to = [&](std::uint8_t type, const char* name) {
    return Destination{type, name, kLoopback, server.port()};
  };
  const std::vector<std::uint8_t> small = {1, 2, 3};
  const std::vector<std::uint8_t> too_big(101, 7);
  ASSERT_TRUE(client.Send(to(wire::kDirectUnique, "BETA"), kServer, small));
  ASSERT_TRUE(client.Send(to(wire::kDirectUnique, "ALPHA"), R"(\MAILSLOT\X)", small));
  ASSERT_TRUE(client.Send(to(wire::kDirectUnique, "ALPHA"), kServer, too_big));
  ASSERT_TRUE(client.Send(to(wire::kDirectGroup, "LAB"), kServer, small));

  const auto delivery = server.Receive(kServer, 100, true);
  ASSERT_TRUE(delivery);
  EXPECT_EQ(delivery->message, small);
  EXPECT_EQ(delivery->source_name, "CARBON");
  EXPECT_EQ(delivery->source_ip, kLoopback);
  EXPECT_EQ(delivery->source_port, client.port());
  EXPECT_FALSE(server.Receive(kServer, 100, false));
  EXPECT_EQ(errno, EAGAIN);
}

// A reply goes to SOURCE_IP: one naming another address than the datagram came from would turn
// the server into a reflector towards that address.
TEST(MailslotEndpoint, DropsADatagramWhoseSourceAddressIsNotItsSender) {
  MailslotEndpoint server = Open("ALPHA");
  auto sender = UdpEndpoint::Bind(0, false);
  ASSERT_TRUE(sender);
  wire::MailslotDatagram datagram;
  datagram.source_name = "CARBON";
  datagram.destination_name = "ALPHA";
  datagram.mailslot_name = kServer;
  datagram.data = {1, 2, 3};
  for (std::uint32_t named : {0x0A0B0C0Du, 0xFFFFFFFFu, kLoopback}) {
    datagram.source_ip = named;
    ASSERT_TRUE(sender->SendTo(wire::EncodeDatagram(datagram), kLoopback, server.port()));
  }
  const auto delivery = server.Receive(kServer, 100, true);
  ASSERT_TRUE(delivery);
  EXPECT_EQ(delivery->source_ip, kLoopback);
  EXPECT_FALSE(server.Receive(kServer, 100, false));
}

// A receiver may take a datagram id it has just seen for a repeat: a run that started where the
// last one did would look like it.
TEST(MailslotEndpoint, EachEndpointStartsItsDatagramIdsElsewhere) {
  auto receiver = UdpEndpoint::Bind(0, false);
  ASSERT_TRUE(receiver);
  const Destination to{wire::kDirectUnique, "ALPHA", kLoopback, receiver->port()};
  const std::vector<std::uint8_t> message = {1};
  std::set<std::uint16_t> first_ids;
  for (int run = 0; run < 3; ++run) {
    MailslotEndpoint sender = Open("CARBON");
    ASSERT_TRUE(sender.Send(to, kServer, message));
    ASSERT_TRUE(sender.Send(to, kServer, message));
    std::vector<std::uint16_t> ids;
    for (int i = 0; i < 2; ++i) {
      const auto received = receiver->Receive(true);
      ASSERT_TRUE(received);
      const auto datagram = wire::DecodeDatagram(received->bytes);
      ASSERT_TRUE(datagram);
      ids.push_back(datagram->datagram_id);
    }
    EXPECT_EQ(ids[1], static_cast<std::uint16_t>(ids[0] + 1));
    first_ids.insert(ids[0]);
  }
  EXPECT_GT(first_ids.size(), 1u);
}

// Only a client sends to broadcast addresses; a socket that may not cannot be steered into it.
TEST(UdpEndpoint, SendsToABroadcastAddressOnlyWhenMadeTo) {
  constexpr std::uint32_t kLoopbackBroadcast = 0x7FFFFFFF;  // 127.255.255.255, never leaves
  auto listener = UdpEndpoint::Bind(0, false);
  ASSERT_TRUE(listener);
  const std::vector<std::uint8_t> bytes = {1, 2, 3};
  auto plain = UdpEndpoint::Bind(0, false);
  ASSERT_TRUE(plain);
  EXPECT_FALSE(plain->SendTo(bytes, kLoopbackBroadcast, listener->port()));
  EXPECT_EQ(errno, EACCES);
  auto broadcasting = UdpEndpoint::Bind(0, false, true);
  ASSERT_TRUE(broadcasting);
  EXPECT_TRUE(broadcasting->SendTo(bytes, kLoopbackBroadcast, listener->port()));
}

TEST(UdpEndpoint, FallsBackToAnEphemeralPortOnlyWhenAsked) {
  auto holder = UdpEndpoint::Bind(0, false);
  ASSERT_TRUE(holder);
  EXPECT_FALSE(UdpEndpoint::Bind(holder->port(), false));
  const auto second = UdpEndpoint::Bind(holder->port(), true);
  ASSERT_TRUE(second);
  EXPECT_NE(second->port(), holder->port());
}

}  // namespace
}  // namespace lanmailslot
