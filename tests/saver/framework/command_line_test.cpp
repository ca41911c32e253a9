#include "saver/framework/command_line.h"

#include <gtest/gtest.h>

#include <utility>

namespace verdant {
namespace {

TEST(SaverArgumentTest, TakesTheTextAfterTheFirstRunOfSpaces) {
  EXPECT_EQ(SaverArgument("verdant.scr /s"), "/s");
  EXPECT_EQ(SaverArgument("verdant.scr    /s"), "/s");
  EXPECT_EQ(SaverArgument("verdant.scr /c:1234"), "/c:1234");
  EXPECT_EQ(SaverArgument("verdant.scr /c "), "/c ");  // trailing spaces stay
  EXPECT_EQ(SaverArgument("verdant.scr /s 12 x"), "/s 12 x");
}

TEST(SaverArgumentTest, EmptyWithoutASpaceOrWithOnlySpaces) {
  EXPECT_EQ(SaverArgument(""), "");
  EXPECT_EQ(SaverArgument("verdant.scr"), "");
  EXPECT_EQ(SaverArgument("verdant.scr   "), "");
}

TEST(SaverArgumentTest, QuotesMeanNothingSoAPathWithASpaceSplits) {
  EXPECT_EQ(SaverArgument("\"C:\\Program Files\\verdant.scr\""), "Files\\verdant.scr\"");
  EXPECT_EQ(SaverArgument("\"C:\\Program Files\\verdant.scr\" /s"), "Files\\verdant.scr\" /s");
  EXPECT_EQ(SaverArgument("C:\\My Savers\\s"), "Savers\\s");
}

TEST(ChooseSaverModeTest, SlashSStartsTheSaverWhateverFollows) {
  for (const char* argument : {"/s", "/S", "/s 1234", "/Sabc", "/s:9"}) {
    EXPECT_EQ(ChooseSaverMode(argument), SaverMode::kSaver) << argument;
  }
}

TEST(ChooseSaverModeTest, DashSAndSStartTheSaverOnlyAlone) {
  for (const char* argument : {"-s", "-S", "s", "S"}) {
    EXPECT_EQ(ChooseSaverMode(argument), SaverMode::kSaver) << argument;
  }
  for (const char* argument : {"-s ", "s 1", "-sx", "ss"}) {
    EXPECT_EQ(ChooseSaverMode(argument), SaverMode::kConfigWithoutOwner) << argument;
  }
}

TEST(ChooseSaverModeTest, CSwitchesOpenTheOwnedDialogOnlyAlone) {
  for (const char* argument : {"/c", "/C", "-c", "-C", "c", "C"}) {
    EXPECT_EQ(ChooseSaverMode(argument), SaverMode::kConfigWithOwner) << argument;
  }
  for (const char* argument : {"/c:1234", "/c ", "c1", "/cc"}) {
    EXPECT_EQ(ChooseSaverMode(argument), SaverMode::kConfigWithoutOwner) << argument;
  }
}

TEST(ChooseSaverModeTest, EverythingElseOpensTheDialogWithoutOwner) {
  for (const char* argument : {"", "/", "/p 123", "/a", "x", "Files\\verdant.scr\""}) {
    EXPECT_EQ(ChooseSaverMode(argument), SaverMode::kConfigWithoutOwner) << argument;
  }
}

TEST(ChooseSaverModeTest, FoldsOnlyAsciiLetters) {
  // 0xD3 is an accented capital in the ANSI code page; it must not become "s" or "c".
  EXPECT_EQ(ChooseSaverMode("/\xD3"), SaverMode::kConfigWithoutOwner);
  EXPECT_EQ(ChooseSaverMode("\xC3"), SaverMode::kConfigWithoutOwner);
}

TEST(ChooseSaverModeTest, TheWholeLineDecides) {
  EXPECT_EQ(ChooseSaverMode(SaverArgument("verdant.scr      /S")), SaverMode::kSaver);
  EXPECT_EQ(ChooseSaverMode(SaverArgument("verdant.scr")), SaverMode::kConfigWithoutOwner);
  EXPECT_EQ(ChooseSaverMode(SaverArgument("C:\\x y\\c")), SaverMode::kConfigWithoutOwner);
  EXPECT_EQ(ChooseSaverMode(SaverArgument("C:\\dir c")), SaverMode::kConfigWithOwner);
}

TEST(PreviewParentTest, SlashPWithAColonOrSpacesAndADecimalHandle) {
  // Digits beyond 32 bits name no window.
  for (const auto& [argument, handle] :
       {std::pair{"/p 1234", 1234u}, std::pair{"/P:1234", 1234u}, std::pair{"/p    66", 66u},
        std::pair{"/p:4294967295", 4294967295u}, std::pair{"/p 0", 0u},
        std::pair{"/p 4294967296", 0u}, std::pair{"/p 99999999999999999999999", 0u}}) {
    EXPECT_EQ(PreviewParent(argument), handle) << argument;
  }
  EXPECT_EQ(PreviewParent(SaverArgument("C:\\WINDOWS\\system32\\verdant.scr /p 65552")), 65552u);
}

TEST(PreviewParentTest, EveryOtherTextIsNoPreview) {
  for (const char* argument :
       {"", "/p", "/p ", "/p:", "/p12", "/p 12 ", "/p 12a", "/p -1", "/p::1", "/p: 1", "-p 12",
        "p 12", "/pp 1", "/c:1234", "/s 1234", "/\xD0 1"}) {
    EXPECT_EQ(PreviewParent(argument), std::nullopt) << argument;
  }
}

}  // namespace
}  // namespace verdant
