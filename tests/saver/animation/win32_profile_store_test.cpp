// The Windows profile calls on a file of the test's own in the Windows directory (not the
// saver's control.ini, which other tests of the same prefix may read).
#include "saver/animation/win32/win32_profile_store.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace verdant {
namespace {

class Win32ProfileStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char folder[MAX_PATH];
    GetWindowsDirectoryA(folder, MAX_PATH);
    path = std::string(folder) + "\\" + file;
    DeleteFileA(path.c_str());
  }
  void TearDown() override { DeleteFileA(path.c_str()); }

  const std::string file = "verdant-profile-test.ini";
  std::string path;
  Win32ProfileStore store;
};

TEST_F(Win32ProfileStoreTest, WritesDecimalTextAndReadsItBack) {
  EXPECT_EQ(store.GetPrivateProfileIntA("S", "Number", 32, file), 32);
  EXPECT_TRUE(store.WritePrivateProfileStringA("S", "Number", "-3", file));
  EXPECT_TRUE(store.WritePrivateProfileStringA("S", "Delay", "17abc", file));
  EXPECT_EQ(store.GetPrivateProfileIntA("S", "Number", 32, file), -3);
  EXPECT_EQ(store.GetPrivateProfileIntA("s", "NUMBER", 32, file), -3);
  EXPECT_EQ(store.GetPrivateProfileIntA("S", "Delay", 5, file), 17);
  EXPECT_EQ(store.GetPrivateProfileIntA("S", "BkgndTone", 9, file), 9);
  EXPECT_EQ(store.GetPrivateProfileIntA("Other", "Number", 8, file), 8);
}

// The INI store off Windows reads these values the same way.
TEST_F(Win32ProfileStoreTest, TextWithoutDigitsIsZeroButAnEmptyValueIsTheDefault) {
  for (const char* text : {"abc", "-", "- 3"}) {
    EXPECT_TRUE(store.WritePrivateProfileStringA("S", "Delay", text, file));
    EXPECT_EQ(store.GetPrivateProfileIntA("S", "Delay", 5, file), 0) << text;
  }
  EXPECT_TRUE(store.WritePrivateProfileStringA("S", "Delay", "", file));
  EXPECT_EQ(store.GetPrivateProfileIntA("S", "Delay", 5, file), 5);
  EXPECT_TRUE(store.WritePrivateProfileStringA("S", "Delay", "4294967297", file));
  EXPECT_EQ(store.GetPrivateProfileIntA("S", "Delay", 5, file), 1);
}

TEST_F(Win32ProfileStoreTest, KeepsOtherKeysOfTheFile) {
  WritePrivateProfileStringA("Desktop", "Wallpaper", "none", file.c_str());
  EXPECT_TRUE(store.WritePrivateProfileStringA("S", "Number", "8", file));
  char text[16];
  GetPrivateProfileStringA("Desktop", "Wallpaper", "", text, sizeof text, file.c_str());
  EXPECT_STREQ(text, "none");
}

}  // namespace
}  // namespace verdant
