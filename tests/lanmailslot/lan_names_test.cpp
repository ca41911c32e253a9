#include <gtest/gtest.h>

#include "lanmailslot/destinations.h"
#include "lanmailslot/local_names.h"
#include "lanmailslot/mailslot_path.h"
#include "lanmailslot/senders.h"

namespace lanmailslot {
namespace {

using wire::kBroadcast;
using wire::kDirectGroup;
using wire::kDirectUnique;

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

wire::MailslotDatagram To(std::uint8_t type, const char* name, const char* mailslot,
                          std::uint8_t suffix = 0) {
  wire::MailslotDatagram datagram;
  datagram.msg_type = type;
  datagram.destination_name = name;
  datagram.destination_suffix = suffix;
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
  // Only <00> is the computer's and the workgroup's own name; <20>, <1D>, <1E>… belong to
  // other services of the machine or the workgroup.
  for (std::uint8_t suffix : {0x01, 0x03, 0x1B, 0x1D, 0x1E, 0x20, 0xFF}) {
    EXPECT_FALSE(IsAddressedHere(To(kDirectUnique, "ALPHA", server, suffix), kAlpha, server))
        << int{suffix};
    EXPECT_FALSE(IsAddressedHere(To(kDirectGroup, "LAB", server, suffix), kAlpha, server))
        << int{suffix};
  }
}

TEST(Destinations, DotIsLoopbackAKnownNameIsAComputerAnyOtherAGroup) {
  const std::vector<std::uint32_t> subnets = {0x0AD500FF, 0xC0A801FF};
  EXPECT_EQ(PlanDestinations(".", kAlpha, std::nullopt, std::nullopt, subnets),
            (std::vector<Destination>{{kDirectUnique, "ALPHA", kLoopback}}));
  EXPECT_EQ(
      PlanDestinations("beta", kAlpha, ResolvedHost{0x0AD50003, "beta"}, std::nullopt, subnets),
      (std::vector<Destination>{{kDirectUnique, "BETA", 0x0AD50003}}));
  EXPECT_EQ(PlanDestinations("*", kAlpha, std::nullopt, std::nullopt, subnets),
            (std::vector<Destination>{{kDirectGroup, "LAB", 0x0AD500FF},
                                      {kDirectGroup, "LAB", 0xC0A801FF}}));
  EXPECT_EQ(PlanDestinations("other", kAlpha, std::nullopt, std::nullopt, {0x0AD500FF}),
            (std::vector<Destination>{{kDirectGroup, "OTHER", 0x0AD500FF}}));
  // A machine without a broadcast interface still reaches its own server.
  EXPECT_EQ(PlanDestinations("*", kAlpha, std::nullopt, std::nullopt, {}),
            (std::vector<Destination>{{kDirectGroup, "LAB", kLoopback}}));
}

// A name the resolver does not know: a unique NetBIOS name is one computer, a group stays one.
TEST(Destinations, ANameFoundByTheNameServiceIsAComputerUnlessAGroup) {
  const std::vector<std::uint32_t> subnet = {0x0AD500FF};
  EXPECT_EQ(PlanDestinations("delta", kAlpha, std::nullopt, FoundName{0x0AD50007, false}, subnet),
            (std::vector<Destination>{{kDirectUnique, "DELTA", 0x0AD50007}}));
  EXPECT_EQ(PlanDestinations("lab", kAlpha, std::nullopt, FoundName{0x0AD50002, true}, subnet),
            (std::vector<Destination>{{kDirectGroup, "LAB", 0x0AD500FF}}));
  EXPECT_EQ(PlanDestinations("*", kAlpha, std::nullopt, FoundName{0x0AD50007, false}, subnet),
            (std::vector<Destination>{{kDirectGroup, "LAB", 0x0AD500FF}}));
}

// A receiver answers only its own name: a computer is asked under its resolver name's first label,
// and under the typed one's when that differs; an address nothing names asks the own workgroup.
TEST(Destinations, AComputerIsAskedUnderTheNamesItMayHold) {
  constexpr std::uint32_t kBeta = 0x0AD50003;
  const struct {
    const char* host;
    const char* canonical;
    std::vector<Destination> expected;
  } cases[] = {
      {"beta.lab.test", "beta.lab.test", {{kDirectUnique, "BETA", kBeta}}},
      {"timehost",
       "beta.lab.test",
       {{kDirectUnique, "BETA", kBeta}, {kDirectUnique, "TIMEHOST", kBeta}}},
      {"timehost", "", {{kDirectUnique, "TIMEHOST", kBeta}}},
      {"10.213.0.3", "beta.lab.test", {{kDirectUnique, "BETA", kBeta}}},
      {"10.213.0.3", "", {{kDirectGroup, "LAB", kBeta}}},
      {"10.213.0.3", "10.213.0.3", {{kDirectGroup, "LAB", kBeta}}},
      {"a-very-long-host-name",
       "a-very-long-host-name.lab",
       {{kDirectUnique, "A-VERY-LONG-HOS", kBeta}}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PlanDestinations(c.host, kAlpha, ResolvedHost{kBeta, c.canonical}, std::nullopt,
                               {0x0AD500FF}),
              c.expected)
        << c.host << " as " << c.canonical;
  }
}

// An answer goes to the sender's address: one that is no single machine elsewhere would turn it
// into a broadcast or send it into this machine's own sockets.
TEST(Senders, AnswersOneMachineOnlyAndItselfOnlyFromItself) {
  constexpr unsigned kLo = 1, kEth0 = 2, kEth1 = 3;
  const std::vector<LocalInterface> interfaces = {
      {kLo, true, true, 0x7F000001, 0xFF000000, 0},
      {kEth0, true, false, 0x0AD50002, 0xFFFFFF00, 0x0AD500FF},  // 10.213.0.2/24
      {kEth1, true, false, 0xC0A80A05, 0xFFFF0000, 0},           // 192.168.10.5/16, no brd
      {kEth1, true, false, 0xC0A8FE01, 0xFFFFFFFE, 0},           // 192.168.254.1/31
  };
  const struct {
    std::uint32_t sender;
    unsigned arrived_on;
    bool answered;
  } cases[] = {
      {0x0AD50005, kEth0, true},   // a neighbour
      {0x08080808, kEth0, true},   // beyond a router
      {0xC0A8FE00, kEth1, true},   // the other end of a /31
      {0x0AD500FF, kEth0, false},  // the subnet's broadcast address
      {0x0AD50000, kEth0, false},  // its network address
      {0xC0A8FFFF, kEth1, false},  // a broadcast address the interface does not list
      {0xC0A80000, kEth1, false},
      {0xFFFFFFFF, kEth0, false},  // limited broadcast
      {0x00000000, kEth0, false},  // unspecified
      {0x00000001, kEth0, false},  // "this network"
      {0xE0000001, kEth0, false},  // multicast
      {0xEFFFFFFA, kEth0, false},
      {0x7F000001, kLo, true},     // this machine
      {0x0AD50002, kLo, true},     // this machine by its LAN address
      {0x7F000001, kEth0, false},  // loopback from outside
      {0x7F000005, kEth1, false},
      {0x0AD50002, kEth0, false},  // this machine's address from outside
      {0x7F000001, 0, false},      // arrival unknown
      {0x7F000001, 9, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsAnswerableSender(c.sender, c.arrived_on, interfaces), c.answered)
        << std::hex << c.sender << " on " << c.arrived_on;
  }
}

}  // namespace
}  // namespace lanmailslot
