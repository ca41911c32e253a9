#include "lanmailslot/wire/datagram.h"

#include <gtest/gtest.h>

#include <utility>

#include "lanmailslot/wire/netbios_name.h"

namespace lanmailslot::wire {
namespace {

using Bytes = std::vector<std::uint8_t>;

// CLIENT1 (10.77.0.3, port 138) asks the workgroup LAB for the time: 192 bytes.
const Bytes kExample = {
    0x11, 0x02, 0x00, 0x01, 0x0a, 0x4d, 0x00, 0x03, 0x00, 0x8a, 0x00, 0xb2, 0x00, 0x00, 0x20, 0x45,
    0x44, 0x45, 0x4d, 0x45, 0x4a, 0x45, 0x46, 0x45, 0x4f, 0x46, 0x45, 0x44, 0x42, 0x43, 0x41, 0x43,
    0x41, 0x43, 0x41, 0x43, 0x41, 0x43, 0x41, 0x43, 0x41, 0x43, 0x41, 0x43, 0x41, 0x41, 0x41, 0x00,
    0x20, 0x45, 0x4d, 0x45, 0x42, 0x45, 0x43, 0x43, 0x41, 0x43, 0x41, 0x43, 0x41, 0x43, 0x41, 0x43,
    0x41, 0x43, 0x41, 0x43, 0x41, 0x43, 0x41, 0x43, 0x41, 0x43, 0x41, 0x43, 0x41, 0x43, 0x41, 0x41,
    0x41, 0x00, 0xff, 0x53, 0x4d, 0x42, 0x25, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x11, 0x00, 0x00, 0x16, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x16, 0x00, 0x58, 0x00, 0x03, 0x00, 0x01,
    0x00, 0x01, 0x00, 0x02, 0x00, 0x29, 0x00, 0x5c, 0x4d, 0x41, 0x49, 0x4c, 0x53, 0x4c, 0x4f, 0x54,
    0x5c, 0x4e, 0x54, 0x53, 0x45, 0x52, 0x56, 0x45, 0x52, 0x00, 0x16, 0x00, 0x01, 0x00, 0x12, 0x00,
    0x43, 0x4c, 0x49, 0x45, 0x4e, 0x54, 0x31, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
};

// Offsets in kExample.
constexpr std::size_t kLength = 10, kSourceName = 14, kSmb = 82;
constexpr std::size_t kDataCount = kSmb + 55, kDataOffset = kSmb + 57, kByteCount = kSmb + 67;
constexpr std::size_t kMailslotName = kSmb + 69;

MailslotDatagram ExampleFields() {
  MailslotDatagram d;
  d.msg_type = kDirectGroup;
  d.datagram_id = 1;
  d.source_ip = 0x0a4d0003;
  d.source_name = "CLIENT1";
  d.destination_name = "LAB";
  d.mailslot_name = R"(\MAILSLOT\NTSERVER)";
  d.data = Bytes(kExample.end() - 22, kExample.end());
  return d;
}

Bytes With(std::size_t offset, std::uint8_t value, Bytes bytes = kExample) {
  bytes[offset] = value;
  return bytes;
}

TEST(DatagramTest, EncodesTheTimeRequestToLabByteForByteAndDecodesItBack) {
  EXPECT_EQ(EncodeDatagram(ExampleFields()), kExample);
  EXPECT_EQ(DecodeDatagram(kExample), ExampleFields());
}

TEST(DatagramTest, RoundTripsAReplyToAnEphemeralPortWithSuffixes) {
  MailslotDatagram d = ExampleFields();
  d.msg_type = kDirectUnique;
  d.flags = kFlagsWhole | 0x04;  // a P node
  d.datagram_id = 0xBEEF;
  d.source_ip = 0xC0A80102;
  d.source_port = 50123;
  d.source_name = "ABCDEFGHIJKLMNO";
  d.source_suffix = 0x20;
  d.destination_suffix = 0x1D;
  d.mailslot_name = R"(\MAILSLOT\ntclient)";
  d.data = Bytes(40, 0xA5);
  EXPECT_EQ(DecodeDatagram(EncodeDatagram(d)), d);
}

TEST(DatagramTest, RefusesToEncodeWhatCannotTravelAsGiven) {
  auto refused = [](auto change) {
    MailslotDatagram d = ExampleFields();
    change(d);
    return EncodeDatagram(d).empty();
  };
  EXPECT_TRUE(refused([](auto& d) { d.msg_type = 0x13; }));
  EXPECT_TRUE(refused([](auto& d) { d.flags = kFlagFirstFragment | kFlagMoreFragments; }));
  EXPECT_TRUE(refused([](auto& d) { d.flags = 0; }));
  EXPECT_TRUE(refused([](auto& d) { d.source_name = "ABCDEFGHIJKLMNOP"; }));
  EXPECT_TRUE(refused([](auto& d) { d.destination_name = "LAB "; }));
  EXPECT_TRUE(refused([](auto& d) { d.mailslot_name.insert(3, 1, '\0'); }));
  EXPECT_TRUE(refused([](auto& d) { d.data.resize(kMaxDatagramSize - kMailslotName - 18); }));
  EXPECT_FALSE(refused([](auto& d) { d.data.resize(kMaxDatagramSize - kMailslotName - 19); }));
}

TEST(DatagramTest, RefusesEveryTruncation) {
  for (std::size_t size = 0; size < kExample.size(); ++size) {
    EXPECT_FALSE(DecodeDatagram(Bytes(kExample.begin(), kExample.begin() + size))) << size;
  }
}

// One byte changed in the example each time, and each change must be refused.
TEST(DatagramTest, RefusesWhatIsNotOneWholeWellFormedMailslotWrite) {
  const std::pair<std::size_t, std::uint8_t> changes[] = {
      {0, 0x13},
      {0, 0x16},  // error and query datagrams
      {1, 0x03},
      {1, 0x00},                         // fragments
      {13, 0x01},                        // PACKET_OFFSET
      {kLength + 1, 0xb3},               // DGM_LENGTH past the end
      {kSourceName, 0x1f},               // name length byte
      {kSourceName + 1, 'Q'},            // name letter past 'P'
      {kSourceName + 32, '@'},           // name letter before 'A'
      {kSourceName + 2 * 34 - 1, 0x03},  // scope
      {kSmb, 0xfe},
      {kSmb + 4, 0x32},  // not SMB, not a transaction
      {kSmb + 32, 16},
      {kSmb + 59, 2},             // WordCount, SetupCount
      {kSmb + 61, 2},             // opcode other than write
      {kSmb + 51, 1},             // parameters
      {kSmb + 35, 0x17},          // more data than this message holds
      {kByteCount, 0x2a},         // ByteCount past the end
      {kDataOffset, 0x59},        // DataOffset past the end
      {kDataOffset, 0x57},        // message over the name's NUL
      {kDataOffset + 1, 0x80},    // DataOffset high byte
      {kMailslotName + 18, 'X'},  // mailslot name without its NUL
  };
  for (auto [offset, value] : changes) {
    EXPECT_FALSE(DecodeDatagram(With(offset, value))) << offset << " = " << int(value);
  }
  // DataCount past the end, with TotalDataCount agreeing.
  EXPECT_FALSE(DecodeDatagram(With(kDataCount, 0x17, With(kSmb + 35, 0x17))));
}

TEST(DatagramTest, IgnoresBytesPastTheLengthAndPadBeforeTheMessage) {
  Bytes trailing = kExample;
  trailing.push_back(0x99);
  EXPECT_EQ(DecodeDatagram(trailing), ExampleFields());

  // One pad byte after the name: DataOffset and ByteCount grow by one, DGM_LENGTH too.
  Bytes padded = kExample;
  padded.insert(padded.begin() + kMailslotName + 19, 0x00);
  padded[kLength + 1] += 1;
  padded[kDataOffset] += 1;
  padded[kByteCount] += 1;
  EXPECT_EQ(DecodeDatagram(padded), ExampleFields());
}

TEST(NetbiosNameTest, PadsWithSpacesAndKeepsTheSuffix) {
  auto encoded = EncodeNetbiosName("A", 0x1B);
  ASSERT_TRUE(encoded);
  EXPECT_EQ(std::string(encoded->begin() + 1, encoded->end() - 1),
            "EBCACACACACACACACACACACACACACABL");
  EXPECT_EQ(DecodeNetbiosName(*encoded), (NetbiosName{"A", 0x1B}));
  EXPECT_EQ(DecodeNetbiosName(*EncodeNetbiosName("", 0)), (NetbiosName{"", 0}));
}

}  // namespace
}  // namespace lanmailslot::wire
