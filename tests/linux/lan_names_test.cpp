#include <gtest/gtest.h>

#include "lanmailslot/delivery.h"
#include "lanmailslot/destinations.h"
#include "lanmailslot/local_names.h"
#include "lanmailslot/mailslot_path.h"

namespace lanmailslot {
namespace {

using mailslotwire::kBroadcast;
using mailslotwire::kDirectGroup;
using mailslotwire::kDirectUnique;

const LocalNames kAlpha{"ALPHA", "LAB"};

TEST(LocalNames, ComputerIsTheHostsFirstLabelAndNamesAreUpperCaseCutTo15) {
  EXPECT_EQ(ComputerNameFromHost("alpha.lab.example"), "ALPHA");
  EXPECT_EQ(ComputerNameFromHost("build-machine-number-7"), "BUILD-MACHINE-N");
  EXPECT_EQ(WorkgroupFrom(nullptr), "WORKGROUP");
  EXPECT_EQ(WorkgroupFrom(""), "WORKGROUP");
  EXPECT_EQ(WorkgroupFrom("lab"), "LAB");
  // Trailing spaces are the name's padding on the wire: a name keeping one could not be sent.
  EXPECT_EQ(WorkgroupFrom("lab "), "LAB");
  EXPECT_EQ(WorkgroupFrom("sales team two x"), "SALES TEAM TWO");
  EXPECT_EQ(WorkgroupFrom("   "), "WORKGROUP");
}

TEST(MailslotPath, SplitsHostAndUpperCaseMailslotAndRefusesOtherPaths) {
  const auto path = ParseMailslotPath(R"(\\.\mailslot\ntserver)");
  ASSERT_TRUE(path);
  EXPECT_EQ(path->host, ".");
  EXPECT_EQ(path->mailslot, R"(\MAILSLOT\NTSERVER)");
  EXPECT_EQ(ParseMailslotPath(R"(\\alpha\MailSlot\ntclient)")->host, "alpha");
  for (const char* refused : {R"(\\\mailslot\x)", R"(\\alpha\pipe\x)", R"(\\alpha\mailslot\)",
                              R"(alpha\mailslot\x)", R"(\\alpha)"}) {
    EXPECT_FALSE(ParseMailslotPath(refused)) << refused;
  }
}

mailslotwire::MailslotDatagram To(std::uint8_t type, const char* name, const char* mailslot) {
  mailslotwire::MailslotDatagram datagram;
  datagram.msg_type = type;
  datagram.destination_name = name;
  datagram.mailslot_name = mailslot;
  return datagram;
}

TEST(Delivery, TakesItsOwnNameItsWorkgroupAndItsMailslotOnly) {
  const char* server = R"(\MAILSLOT\NTSERVER)";
  EXPECT_TRUE(IsAddressedHere(To(kDirectUnique, "alpha", R"(\mailslot\ntserver)"), kAlpha, server));
  EXPECT_TRUE(IsAddressedHere(To(kDirectGroup, "LAB", server), kAlpha, server));
  EXPECT_TRUE(IsAddressedHere(To(kBroadcast, "lab", server), kAlpha, server));
  EXPECT_FALSE(IsAddressedHere(To(kDirectUnique, "BETA", server), kAlpha, server));
  EXPECT_FALSE(IsAddressedHere(To(kDirectUnique, "LAB", server), kAlpha, server));
  EXPECT_FALSE(IsAddressedHere(To(kDirectGroup, "ALPHA", server), kAlpha, server));
  EXPECT_FALSE(IsAddressedHere(To(kDirectGroup, "OTHER", server), kAlpha, server));
  EXPECT_FALSE(
      IsAddressedHere(To(kDirectUnique, "ALPHA", R"(\MAILSLOT\NTCLIENT)"), kAlpha, server));
  EXPECT_FALSE(IsAddressedHere(To(0x13, "ALPHA", server), kAlpha, server));
}

TEST(Destinations, DotIsLoopbackAKnownNameIsAComputerAnyOtherAGroup) {
  const std::vector<std::uint32_t> subnets = {0x0AD500FF, 0xC0A801FF};
  EXPECT_EQ(PlanDestinations(".", kAlpha, std::nullopt, subnets),
            (std::vector<Destination>{{kDirectUnique, "ALPHA", kLoopback}}));
  EXPECT_EQ(PlanDestinations("beta", kAlpha, 0x0AD50003, subnets),
            (std::vector<Destination>{{kDirectUnique, "BETA", 0x0AD50003}}));
  EXPECT_EQ(PlanDestinations("*", kAlpha, std::nullopt, subnets),
            (std::vector<Destination>{{kDirectGroup, "LAB", 0x0AD500FF},
                                      {kDirectGroup, "LAB", 0xC0A801FF}}));
  EXPECT_EQ(PlanDestinations("other", kAlpha, std::nullopt, {0x0AD500FF}),
            (std::vector<Destination>{{kDirectGroup, "OTHER", 0x0AD500FF}}));
  // A machine without a broadcast interface still reaches its own server.
  EXPECT_EQ(PlanDestinations("*", kAlpha, std::nullopt, {}),
            (std::vector<Destination>{{kDirectGroup, "LAB", kLoopback}}));
}

}  // namespace
}  // namespace lanmailslot
