#include "lanmailslot/broadcast_node.h"

#include <gtest/gtest.h>

#include "lanmailslot/wire/name_requests.h"

namespace lanmailslot {
namespace {

using namespace wire;

constexpr std::uint32_t kOwn = 0x0AD50002, kOther = 0x0AD50009;
const std::vector<HeldName> kHeld = {{"ALPHA", false}, {"LAB", true}};

std::optional<NameServiceAnswer> Answer(const NamePacket& request, std::uint32_t sender = kOther) {
  return AnswerNameRequest(request, kHeld, sender, kOwn);
}

TEST(BroadcastNode, AnswersQueriesForHeldNamesOnly) {
  const auto unique = Answer(NameQueryRequest(5, {"alpha", 0x00}));
  ASSERT_TRUE(unique);
  EXPECT_EQ(unique->packet, PositiveQueryResponse(5, {"ALPHA", 0x00}, false, kOwn));
  EXPECT_EQ(unique->packet.flags, 0x8580);
  const auto group = Answer(NameQueryRequest(6, {"LAB", 0x00}));
  ASSERT_TRUE(group);
  EXPECT_EQ(DecodeAddresses(group->packet.answers.at(0).data)->at(0).flags, kGroupName);

  EXPECT_FALSE(Answer(NameQueryRequest(7, {"BETA", 0x00})));
  EXPECT_FALSE(Answer(NameQueryRequest(8, {"ALPHA", 0x20})));  // a suffix we do not hold
  NamePacket other_class = NameQueryRequest(10, {"ALPHA", 0x00});
  other_class.questions[0].klass = 3;
  EXPECT_FALSE(Answer(other_class));
  NamePacket answer_back = unique->packet;  // a response is never answered
  EXPECT_FALSE(Answer(answer_back));
}

TEST(BroadcastNode, NodeStatusListsEveryHeldNameWithItsFlags) {
  NamePacket request = NameQueryRequest(9, NodeStatusWildcard());
  request.questions[0].type = kTypeNodeStatus;
  const auto answer = Answer(request);
  ASSERT_TRUE(answer);
  ASSERT_EQ(answer->packet.answers.size(), 1u);
  EXPECT_EQ(answer->packet.flags, 0x8400);
  EXPECT_EQ(DecodeNodeStatus(answer->packet.answers[0].data),
            (std::vector<StatusName>{{{"ALPHA", 0}, 0x0400}, {{"LAB", 0}, 0x8400}}));
}

TEST(BroadcastNode, RefusesAnotherNodeItsUniqueNameOnly) {
  const auto refusal = Answer(RegistrationRequest(11, {"ALPHA", 0x00}, false, kOther));
  ASSERT_TRUE(refusal);
  EXPECT_TRUE(refusal->refusal);
  EXPECT_EQ(refusal->packet.flags, 0xAD86);
  EXPECT_EQ(RegistrationRefusedBy(refusal->packet, 11, {"ALPHA", false}), kOwn);
  EXPECT_FALSE(RegistrationRefusedBy(refusal->packet, 12, {"ALPHA", false}));
  EXPECT_FALSE(RegistrationRefusedBy(refusal->packet, 11, {"BETA", false}));

  EXPECT_FALSE(Answer(RegistrationRequest(13, {"LAB", 0x00}, true, kOther)));  // anyone's group
  EXPECT_FALSE(Answer(RegistrationRequest(14, {"ALPHA", 0x00}, false, kOwn), kOwn));
  NamePacket no_address = RegistrationRequest(15, {"ALPHA", 0x00}, false, kOther);
  no_address.additionals.clear();  // claims nothing: refusing it would answer anyone
  EXPECT_FALSE(Answer(no_address));
}

TEST(BroadcastNode, AQueryAnswerPrefersAUniqueAddress) {
  NamePacket answer = PositiveQueryResponse(21, {"DELTA", 0x00}, true, 0x0AD50005);
  const NameAddress members[] = {{kGroupName, 0x0AD50005}, {0x0000, 0x0AD50007}};
  answer.answers[0].data = EncodeAddresses(members);
  EXPECT_EQ(QueryAnsweredWith(answer, 21, "delta"), (FoundName{0x0AD50007, false}));
  EXPECT_FALSE(QueryAnsweredWith(answer, 22, "DELTA"));
  EXPECT_FALSE(QueryAnsweredWith(answer, 21, "ECHO"));
  EXPECT_EQ(QueryAnsweredWith(PositiveQueryResponse(23, {"LAB", 0x00}, true, kOwn), 23, "LAB"),
            (FoundName{kOwn, true}));
  EXPECT_FALSE(QueryAnsweredWith(NameQueryRequest(24, {"LAB", 0x00}), 24, "LAB"));
}

}  // namespace
}  // namespace lanmailslot
