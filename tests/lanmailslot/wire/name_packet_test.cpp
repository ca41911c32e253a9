#include "lanmailslot/wire/name_packet.h"

#include <gtest/gtest.h>

#include "lanmailslot/wire/name_requests.h"

namespace lanmailslot::wire {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

Bytes Encoded(const char* name) {
  const auto encoded = EncodeNetbiosName(name, 0x00);
  return Bytes(encoded->begin(), encoded->end());
}

// ALPHA (10.77.0.2) registers its computer name by broadcast.
const Bytes kRegistration = Concat({
    {0x12, 0x34, 0x29, 0x10, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01},
    Encoded("ALPHA"),
    {0x00, 0x20, 0x00, 0x01},
    {0xC0, 0x0C, 0x00, 0x20, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x06},
    {0x00, 0x00, 0x0A, 0x4D, 0x00, 0x02},
});

TEST(NamePacket, ARegistrationRequestPointsItsRecordAtTheQuestion) {
  const NamePacket packet = RegistrationRequest(0x1234, {"ALPHA", 0}, false, 0x0A4D0002);
  EXPECT_EQ(EncodeNamePacket(packet), kRegistration);
  EXPECT_EQ(DecodeNamePacket(kRegistration), packet);
  EXPECT_EQ(DecodeAddresses(packet.additionals.at(0).data),
            (std::vector<NameAddress>{{0x0000, 0x0A4D0002}}));
}

TEST(NamePacket, EveryCutShortPacketIsRefused) {
  for (std::size_t size = 0; size < kRegistration.size(); ++size) {
    EXPECT_FALSE(DecodeNamePacket(std::span(kRegistration).first(size))) << size;
  }
  Bytes longer = kRegistration;
  longer.push_back(0xFF);  // past the last record: ignored
  EXPECT_TRUE(DecodeNamePacket(longer));
}

TEST(NamePacket, PointersLeadOnlyBackwardsToAWholeName) {
  Bytes packet = kRegistration;
  constexpr std::size_t kPointer = 12 + kEncodedNameSize + 4;
  for (std::size_t target : {kPointer, kPointer + 1, std::size_t{200}}) {  // itself, on, outside
    packet[kPointer + 1] = static_cast<std::uint8_t>(target);
    EXPECT_FALSE(DecodeNamePacket(packet)) << target;
  }
  packet[kPointer + 1] = 13;  // into the middle of the question's name
  EXPECT_FALSE(DecodeNamePacket(packet));
  // The question's name itself a pointer: into the header, which is no name.
  const Bytes into_header = {0, 1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0xC0, 0x00, 0, 0x20, 0, 1};
  EXPECT_FALSE(DecodeNamePacket(into_header));
}

TEST(NamePacket, HugeCountsFailAtTheFirstMissingEntry) {
  Bytes packet = kRegistration;
  packet[10] = packet[11] = 0xFF;  // 65535 additional records, one present
  EXPECT_FALSE(DecodeNamePacket(packet));
  Bytes header = {0, 1, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  EXPECT_FALSE(DecodeNamePacket(header));
}

TEST(NamePacket, TheNodeStatusAnswerListsPaddedNamesAndZeroStatistics) {
  const std::vector<StatusName> names = {{{"ALPHA", 0}, 0x0400}, {{"LAB", 0}, 0x8400}};
  const Bytes data = EncodeNodeStatus(names);
  ASSERT_EQ(data.size(), 1 + 2 * 18 + 46u);
  EXPECT_EQ(data[0], 2);
  EXPECT_EQ(std::string(data.begin() + 1, data.begin() + 17),
            std::string("ALPHA          ") + '\0');
  EXPECT_EQ(DecodeNodeStatus(data), names);
  EXPECT_FALSE(DecodeNodeStatus(std::span(data).first(36)));

  const NamePacket answer = NodeStatusResponse(7, NodeStatusWildcard(), names);
  const Bytes bytes = EncodeNamePacket(answer);
  EXPECT_EQ(Bytes(bytes.begin() + 12, bytes.begin() + 17), (Bytes{0x20, 'C', 'K', 'A', 'A'}));
  EXPECT_EQ(DecodeNamePacket(bytes), answer);
}

TEST(NamePacket, AddressesComeInWholeEntries) {
  EXPECT_FALSE(DecodeAddresses({}));
  EXPECT_FALSE(DecodeAddresses(Bytes(7)));
  EXPECT_EQ(DecodeAddresses(Bytes{0x80, 0, 10, 0, 0, 1, 0, 0, 10, 0, 0, 2}),
            (std::vector<NameAddress>{{0x8000, 0x0A000001}, {0x0000, 0x0A000002}}));
}

}  // namespace
}  // namespace lanmailslot::wire
