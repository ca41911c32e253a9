// Two endpoints on loopback, each on an ephemeral port: what one sends, the other receives with
// the sender's name, address and port, and what is not for it never comes out.
#include "lanmailslot/mailslot_endpoint.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "mailslotwire/datagram.h"

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
  ASSERT_TRUE(client.Send(to(mailslotwire::kDirectUnique, "BETA"), kServer, small));
  ASSERT_TRUE(client.Send(to(mailslotwire::kDirectUnique, "ALPHA"), R"(\MAILSLOT\X)", small));
  ASSERT_TRUE(client.Send(to(mailslotwire::kDirectUnique, "ALPHA"), kServer, too_big));
  ASSERT_TRUE(client.Send(to(mailslotwire::kDirectGroup, "LAB"), kServer, small));

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
  mailslotwire::MailslotDatagram datagram;
  datagram.source_name = "CARBON";
  datagram.destination_name = "ALPHA";
  datagram.mailslot_name = kServer;
  datagram.data = {1, 2, 3};
  for (std::uint32_t named : {0x0A0B0C0Du, 0xFFFFFFFFu, kLoopback}) {
    datagram.source_ip = named;
    ASSERT_TRUE(sender->SendTo(mailslotwire::EncodeDatagram(datagram), kLoopback, server.port()));
  }
  const auto delivery = server.Receive(kServer, 100, true);
  ASSERT_TRUE(delivery);
  EXPECT_EQ(delivery->source_ip, kLoopback);
  EXPECT_FALSE(server.Receive(kServer, 100, false));
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
