#include "saver/animation/ini/ini_profile_store.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <fstream>
#include <functional>
#include <iterator>
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

TEST(UpdateProfileTextTest, ChangesOneLineAndKeepsEveryOtherByte) {
  const std::string section = "ScreenSaver.Verdant Drift";
  const std::string head =
      "\xEF\xBB\xBF; kept\r\n[Desktop]\r\nWallpaper=none\r\n[ScreenSaver.Verdant Drift]\r\n";
  const std::string middle = "\r\nnumber=2\r\n";
  const std::string tail = "a line without equals\r\n[screensaver.verdant drift]\r\n";
  const std::string text = head + "Number = 1" + middle + tail + "Delay=3\r\n; trailing";

  // A repeated key reads as its first line; a repeated section is searched too.
  EXPECT_EQ(ReadProfileInt(text, section, "Number", 9), 1);
  EXPECT_EQ(ReadProfileInt(text, section, "Delay", 9), 3);
  EXPECT_EQ(ReadProfileInt(text, section, "Wallpaper", 9), 9);

  EXPECT_EQ(UpdateProfileText(text, section, "Number", "44"),
            head + "Number=44" + middle + tail + "Delay=3\r\n; trailing");
  EXPECT_EQ(UpdateProfileText(text, section, "Delay", "-7"),
            head + "Number = 1" + middle + tail + "Delay=-7\r\n; trailing");
  // A missing key goes after the last key of the section's first occurrence.
  EXPECT_EQ(UpdateProfileText(text, section, "PlantType", "2"),
            head + "Number = 1" + middle + "PlantType=2\r\n" + tail + "Delay=3\r\n; trailing");
  EXPECT_EQ(UpdateProfileText(text, "Other", "Key", "1"), text + "\r\n[Other]\r\nKey=1\r\n");
  EXPECT_EQ(UpdateProfileText(text, section, "Number", "1\n[X]"), std::nullopt);
}

TEST(UpdateProfileTextTest, ACarriageReturnEndingTheTextEndsItsLine) {
  // A file cut after the carriage return of its last line break: that line reads as it did with
  // the line feed, and adding lines after it completes the break instead of changing the line.
  const std::string section = "ScreenSaver.Verdant Drift";
  for (const std::string eol : {"\n", "\r\n"}) {
    const std::string head = "[screensaver.verdant drift]" + eol;
    const std::string text = head + "Delay=\r";
    EXPECT_EQ(ReadProfileInt(text, section, "Delay", 7), 7);
    EXPECT_EQ(UpdateProfileText(text, section, "Number", "5"), text + "\nNumber=5");
    EXPECT_EQ(UpdateProfileText(text, "Other", "Key", "1"),
              text + "\n[Other]" + eol + "Key=1" + eol);
    EXPECT_EQ(UpdateProfileText(text, section, "Delay", "3"), head + "Delay=3\r");
  }
}

// Runs `check` as an ordinary user, since root may write any file; true when it returned true.
bool AsOrdinaryUser(const std::function<bool()>& check) {
  if (geteuid() != 0) return check();
  const pid_t child = fork();
  if (child == 0) _exit(setgid(65534) == 0 && setuid(65534) == 0 && check() ? 0 : 1);
  int status = 0;
  return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
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
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  void WriteFile(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
  }
  static std::size_t Entries(const fs::path& folder) {
    return std::distance(fs::directory_iterator(folder), fs::directory_iterator());
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

TEST_F(IniProfileStoreTest, AFailedWriteLeavesTheFileAndNothingBesideIt) {
  const std::string before = "[S]\nNumber=32\nPadding=" + std::string(200, 'x') + "\n";
  WriteFile(root / "control.ini", before);
  IniProfileStore store(root);
  // Files may grow to 64 bytes only, so the new text cannot be written in full.
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  rlimit small = saved;
  small.rlim_cur = 64;
  const auto saved_handler = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool written = store.WritePrivateProfileStringA("S", "Number", "8", "control.ini");
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, saved_handler);
  EXPECT_FALSE(written);
  EXPECT_EQ(ReadFile(root / "control.ini"), before);
  EXPECT_EQ(Entries(root), 1u);
}

TEST_F(IniProfileStoreTest, WritesThroughALinkAndKeepsTheFileMode) {
  fs::create_directories(root / "real");
  fs::create_directories(root / "config");
  WriteFile(root / "real" / "control.ini", "[S]\nNumber=1\n");
  const fs::perms mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
  fs::permissions(root / "real" / "control.ini", mode);
  fs::create_symlink("../real/control.ini", root / "config" / "control.ini");
  IniProfileStore store(root / "config");
  ASSERT_TRUE(store.WritePrivateProfileStringA("S", "Number", "2", "control.ini"));
  EXPECT_TRUE(fs::is_symlink(root / "config" / "control.ini"));
  EXPECT_EQ(ReadFile(root / "real" / "control.ini"), "[S]\nNumber=2\n");
  EXPECT_EQ(fs::status(root / "real" / "control.ini").permissions(), mode);
  EXPECT_EQ(Entries(root / "real"), 1u);
}

TEST_F(IniProfileStoreTest, AFileTheUserMayNotWriteStaysUnwritten) {
  WriteFile(root / "control.ini", "[S]\nNumber=1\n");
  fs::permissions(root / "control.ini",
                  fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  // The folder is open to all, so only the file's own mode stands in the way.
  fs::permissions(root, fs::perms::all);
  IniProfileStore store(root);
  EXPECT_TRUE(AsOrdinaryUser(
      [&] { return !store.WritePrivateProfileStringA("S", "Number", "2", "control.ini"); }));
  EXPECT_EQ(ReadFile(root / "control.ini"), "[S]\nNumber=1\n");
  EXPECT_EQ(Entries(root), 1u);
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
