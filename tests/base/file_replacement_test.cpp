#include "base/file_replacement.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace base {
namespace {

namespace fs = std::filesystem;

class FileReplacementTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ =
        fs::temp_directory_path() /
        ("file-replacement-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  static std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  static void Write(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
  }
  int Entries() const {
    return static_cast<int>(std::distance(fs::directory_iterator(folder_), {}));
  }

  fs::path folder_;
};

TEST_F(FileReplacementTest, NewAndExistingTargetsGetTheWholeTextAndNothingBeside) {
  const fs::path target = folder_ / "control.ini";
  ASSERT_TRUE(ReplaceFileContents(target, "first\r\n"));
  EXPECT_EQ(Read(target), "first\r\n");
  ASSERT_TRUE(ReplaceFileContents(target, std::string("a\0b", 3)));
  EXPECT_EQ(Read(target), std::string("a\0b", 3));
  EXPECT_EQ(Entries(), 1);
}

TEST_F(FileReplacementTest, AReplacementNotCommittedLeavesTheTargetAsItWas) {
  const fs::path target = folder_ / "control.ini";
  Write(target, "kept");
  {
    FileReplacement replacement(target);
    ASSERT_TRUE(replacement.Ready());
    EXPECT_EQ(replacement.Path().parent_path(), folder_);
    Write(replacement.Path(), "lost");
    EXPECT_EQ(Entries(), 2);
  }
  EXPECT_EQ(Read(target), "kept");
  EXPECT_EQ(Entries(), 1);
}

TEST_F(FileReplacementTest, AFolderIsNeverReplaced) {
  const fs::path target = folder_ / "settings";
  fs::create_directory(target);
  EXPECT_FALSE(FileReplacement(target).Ready());
  EXPECT_FALSE(ReplaceFileContents(target, "text"));
  EXPECT_TRUE(fs::is_directory(target));
  EXPECT_EQ(Entries(), 1);
}

#ifndef _WIN32
TEST_F(FileReplacementTest, KeepsTheTargetsPermissionsAndTheLinkToIt) {
  const fs::path real = folder_ / "real.ini";
  Write(real, "old");
  fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  const fs::path link = folder_ / "control.ini";
  fs::create_symlink("real.ini", link);
  ASSERT_TRUE(ReplaceFileContents(link, "new"));
  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(link)));
  EXPECT_EQ(Read(real), "new");
  EXPECT_EQ(fs::status(real).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(Entries(), 2);
}
#endif

}  // namespace
}  // namespace base
