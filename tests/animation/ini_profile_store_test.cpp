#include "saver/animation/ini/ini_profile_store.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

namespace verdant {
namespace {

namespace fs = std::filesystem;

TEST(ParseProfileIntTest, ReadsLeadingSignedDigits) {
  EXPECT_EQ(ParseProfileInt("32", 5), 32);
  EXPECT_EQ(ParseProfileInt("-7", 5), -7);
  EXPECT_EQ(ParseProfileInt("+9", 5), 9);
  EXPECT_EQ(ParseProfileInt("  12", 5), 12);
  EXPECT_EQ(ParseProfileInt("\t12", 5), 12);
  EXPECT_EQ(ParseProfileInt("12abc", 5), 12);
  EXPECT_EQ(ParseProfileInt("3.9", 5), 3);
  EXPECT_EQ(ParseProfileInt("0x10", 5), 0);
  EXPECT_EQ(ParseProfileInt("-2147483648", 5), -2147483647 - 1);
  // Too many digits wrap around in 32 bits, as the Windows call does, instead of failing.
  EXPECT_EQ(ParseProfileInt("4294967297", 5), 1);
}

TEST(ParseProfileIntTest, TextWithoutDigitsIsZeroButAnEmptyValueIsTheDefault) {
  EXPECT_EQ(ParseProfileInt("abc", 5), 0);
  EXPECT_EQ(ParseProfileInt("-", 5), 0);
  EXPECT_EQ(ParseProfileInt("+", 5), 0);
  EXPECT_EQ(ParseProfileInt("- 3", 5), 0);
  EXPECT_EQ(ParseProfileInt("--5", 5), 0);
  EXPECT_EQ(ParseProfileInt("", 5), 5);
  EXPECT_EQ(ParseProfileInt(" \t ", 5), 5);
}

TEST(ReadProfileIntTest, FindsTheKeyInItsSectionIgnoringCase) {
  const std::string ini =
      "; settings\n[Other]\nNumber=1\n[ScreenSaver.Verdant Drift]\nnumber = 44\nDelay=x\n"
      "PlantType=\n";
  EXPECT_EQ(ReadProfileInt(ini, "ScreenSaver.Verdant Drift", "Number", 32), 44);
  EXPECT_EQ(ReadProfileInt(ini, "screensaver.verdant drift", "NUMBER", 32), 44);
  EXPECT_EQ(ReadProfileInt(ini, "ScreenSaver.Verdant Drift", "Delay", 5), 0);
  EXPECT_EQ(ReadProfileInt(ini, "ScreenSaver.Verdant Drift", "PlantType", 4), 4);
  EXPECT_EQ(ReadProfileInt(ini, "ScreenSaver.Verdant Drift", "BkgndTone", 0), 0);
  EXPECT_EQ(ReadProfileInt(ini, "Missing", "Number", 32), 32);
  EXPECT_EQ(ReadProfileInt("\x01\xff[[[=\n==\n", "a", "b", 6), 6);
}

class IniProfileStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/verdant-ini-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    root = pattern;
  }
  void TearDown() override { fs::remove_all(root); }

  std::string ReadFile(const fs::path& path) {
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  fs::path root;
};

TEST_F(IniProfileStoreTest, WriteCreatesTheFolderAndFileAndReadsBack) {
  IniProfileStore store(root / "deep" / "verdant");
  EXPECT_EQ(store.GetPrivateProfileIntA("S", "Number", 32, "control.ini"), 32);
  EXPECT_TRUE(store.WritePrivateProfileStringA("S", "Number", "-3", "control.ini"));
  EXPECT_EQ(ReadFile(root / "deep" / "verdant" / "control.ini"), "[S]\nNumber=-3\n");
  EXPECT_EQ(store.GetPrivateProfileIntA("S", "Number", 32, "control.ini"), -3);
}

TEST_F(IniProfileStoreTest, WriteKeepsOtherSectionsKeysAndComments) {
  std::ofstream(root / "control.ini") << "; desktop settings\n[Desktop]\nWallpaper=none\n\n"
                                         "[ScreenSaver.Verdant Drift]\n; how many\nNumber=32\n"
                                         "Extra=yes\n";
  IniProfileStore store(root);
  ASSERT_TRUE(
      store.WritePrivateProfileStringA("ScreenSaver.Verdant Drift", "Number", "8", "control.ini"));
  ASSERT_TRUE(
      store.WritePrivateProfileStringA("ScreenSaver.Verdant Drift", "Delay", "1", "control.ini"));
  const std::string text = ReadFile(root / "control.ini");
  EXPECT_NE(text.find("; desktop settings"), std::string::npos) << text;
  EXPECT_NE(text.find("Wallpaper=none"), std::string::npos) << text;
  EXPECT_NE(text.find("; how many\nNumber=8"), std::string::npos) << text;
  EXPECT_NE(text.find("Extra=yes"), std::string::npos) << text;
  EXPECT_EQ(store.GetPrivateProfileIntA("ScreenSaver.Verdant Drift", "Delay", 5, "control.ini"), 1);
  EXPECT_EQ(store.GetPrivateProfileIntA("Desktop", "Number", 9, "control.ini"), 9);
}

TEST_F(IniProfileStoreTest, UnreadableFileIsLeftAloneAndReadsAsDefaults) {
  // A folder where the file should be cannot be read as a file nor replaced by one.
  fs::create_directories(root / "control.ini" / "inner");
  IniProfileStore store(root);
  EXPECT_EQ(store.GetPrivateProfileIntA("S", "Number", 32, "control.ini"), 32);
  EXPECT_FALSE(store.WritePrivateProfileStringA("S", "Number", "1", "control.ini"));
  EXPECT_TRUE(fs::is_directory(root / "control.ini" / "inner"));
}

TEST(DefaultProfileFolderTest, FollowsXdgConfigHomeThenHome) {
  const char* saved_xdg = getenv("XDG_CONFIG_HOME");
  const std::string xdg = saved_xdg ? saved_xdg : "";
  setenv("XDG_CONFIG_HOME", "/cfg", 1);
  EXPECT_EQ(DefaultProfileFolder(), fs::path("/cfg/verdant"));
  setenv("XDG_CONFIG_HOME", "", 1);
  setenv("HOME", getenv("HOME") ? getenv("HOME") : "/home/x", 1);
  EXPECT_EQ(DefaultProfileFolder(), fs::path(getenv("HOME")) / ".config" / "verdant");
  if (saved_xdg) {
    setenv("XDG_CONFIG_HOME", xdg.c_str(), 1);
  } else {
    unsetenv("XDG_CONFIG_HOME");
  }
}

}  // namespace
}  // namespace verdant
