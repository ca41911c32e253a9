#include "timeproto/time_messages.h"

#include <gtest/gtest.h>

#include <vector>

namespace timeproto {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Zeros(std::size_t n) {
  return Bytes(n, 0);
}

Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

template <std::size_t N>
Bytes ToBytes(const std::array<std::uint8_t, N>& a) {
  return Bytes(a.begin(), a.end());
}

const TimeField kSunday1993{1993, 11, 0, 7, 13, 54, 49, 257};

TEST(TimeRequestTest, BuildsTheBytesOfARequestFromPc1) {
  Bytes expected = Concat({{0x16, 0x00, 0x01, 0x00, 0x12, 0x00, 0x50, 0x43, 0x31}, Zeros(13)});
  EXPECT_EQ(ToBytes(BuildTimeRequest("PC1")), expected);
}

TEST(TimeRequestTest, NameFieldHoldsFifteenCharactersAndTheirNul) {
  auto request = BuildTimeRequest("ABCDEFGHIJKLMNO");
  EXPECT_EQ(std::string(request.begin() + 6, request.begin() + 21), "ABCDEFGHIJKLMNO");
  EXPECT_EQ(request[21], 0);
  // A longer name is cut so that the NUL still fits.
  EXPECT_EQ(BuildTimeRequest("ABCDEFGHIJKLMNOPQRS"), request);

  auto one = BuildTimeRequest("A");
  EXPECT_EQ(one[6], 'A');
  for (std::size_t i = 7; i < 22; ++i) EXPECT_EQ(one[i], 0) << i;
}

TEST(TimeRequestTest, AcceptsItsOwnRequestsAndLongerOnes) {
  auto request = ToBytes(BuildTimeRequest("PC1"));
  EXPECT_EQ(CheckTimeRequest(request), "PC1");

  Bytes longer = Concat({request, {0xAA, 0xBB}});
  longer[0] = 24;
  EXPECT_EQ(CheckTimeRequest(longer), "PC1");
}

TEST(TimeRequestTest, DropsEveryMalformedRequest) {
  const Bytes good = ToBytes(BuildTimeRequest("PC1"));
  auto with = [&](std::size_t offset, std::uint8_t value) {
    Bytes b = good;
    b[offset] = value;
    return b;
  };
  EXPECT_FALSE(CheckTimeRequest(with(0, 21))) << "length word does not match";
  EXPECT_FALSE(CheckTimeRequest(with(2, 2))) << "type of a reply";
  EXPECT_FALSE(CheckTimeRequest(with(4, 17))) << "name field length";

  Bytes short_request(good.begin(), good.begin() + 10);
  short_request[0] = 10;
  EXPECT_FALSE(CheckTimeRequest(short_request)) << "length matches but fields are missing";

  Bytes no_nul = good;
  std::fill(no_nul.begin() + 6, no_nul.end(), 'X');
  EXPECT_FALSE(CheckTimeRequest(no_nul)) << "name without NUL";

  EXPECT_FALSE(CheckTimeRequest({}));
  EXPECT_FALSE(CheckTimeRequest(Bytes{1}));
}

TEST(TimeReplyTest, BuildsTheBytesOfAReplyFromSrv) {
  Bytes expected = Concat({{0x28, 0x00, 0x02, 0x00},
                           {0x12, 0x00, 0x53, 0x52, 0x56},
                           Zeros(13),
                           {0x12, 0x00, 0xC9, 0x07, 0x0B, 0x00, 0x00, 0x00, 0x07, 0x00, 0x0D, 0x00,
                            0x36, 0x00, 0x31, 0x00, 0x01, 0x01}});
  EXPECT_EQ(ToBytes(BuildTimeReply("SRV", kSunday1993)), expected);
}

TEST(TimeReplyTest, TimeTravelsAsItsEightWordsInOrder) {
  auto reply = BuildTimeReply("X", {1993, 3, 2, 2, 9, 5, 3, 47});
  const std::uint16_t words[] = {18, 1993, 3, 2, 2, 9, 5, 3, 47};
  for (std::size_t i = 0; i < 9; ++i) {
    EXPECT_EQ(reply[22 + 2 * i] | (reply[23 + 2 * i] << 8), words[i]) << i;
  }
}

TEST(TimeReplyTest, ChecksAndTakesApartAGoodReply) {
  auto check = CheckTimeReply(ToBytes(BuildTimeReply("SRV", kSunday1993)));
  EXPECT_EQ(check.status, ReplyStatus::ReplyOk);
  EXPECT_EQ(check.server_name, "SRV");
  EXPECT_EQ(check.time, kSunday1993);

  Bytes longer = Concat({ToBytes(BuildTimeReply("SRV", kSunday1993)), {1, 2, 3, 4}});
  longer[0] = 44;
  check = CheckTimeReply(longer);
  EXPECT_EQ(check.status, ReplyStatus::ReplyOk);
  EXPECT_EQ(check.time, kSunday1993);
}

TEST(TimeReplyTest, TellsCorruptedFromUnexpected) {
  const Bytes good = ToBytes(BuildTimeReply("SRV", kSunday1993));
  auto with = [&](std::size_t offset, std::uint8_t value) {
    Bytes b = good;
    b[offset] = value;
    return b;
  };
  EXPECT_EQ(CheckTimeReply(with(2, 1)).status, ReplyStatus::ReplyUnexpected);
  EXPECT_EQ(CheckTimeReply(with(4, 17)).status, ReplyStatus::ReplyUnexpected);
  EXPECT_EQ(CheckTimeReply(with(22, 19)).status, ReplyStatus::ReplyUnexpected);
  EXPECT_EQ(CheckTimeReply(Bytes(good.begin(), good.begin() + 38)).status,
            ReplyStatus::ReplyCorrupted);
  EXPECT_EQ(CheckTimeReply({}).status, ReplyStatus::ReplyCorrupted);

  Bytes short_reply(good.begin(), good.begin() + 30);
  short_reply[0] = 30;
  EXPECT_EQ(CheckTimeReply(short_reply).status, ReplyStatus::ReplyUnexpected);

  Bytes no_nul = good;
  std::fill(no_nul.begin() + 6, no_nul.begin() + 22, 'X');
  EXPECT_EQ(CheckTimeReply(no_nul).status, ReplyStatus::ReplyUnexpected);
}

TEST(MailslotPathTest, FormsBothPaths) {
  EXPECT_EQ(ServerPath("SRV"), R"(\\SRV\mailslot\ntserver)");
  EXPECT_EQ(ServerPath("."), R"(\\.\mailslot\ntserver)");
  EXPECT_EQ(ServerPath(std::nullopt), R"(\\*\mailslot\ntserver)");
  EXPECT_EQ(ClientPath("PC1"), R"(\\PC1\mailslot\ntclient)");
}

}  // namespace
}  // namespace timeproto
