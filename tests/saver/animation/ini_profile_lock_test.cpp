// Writers of one profile file in processes of their own, as the dialog and a second dialog (or
// a script) are: each write is read, changed and replaced under a lock, so none is lost.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "saver/animation/ini/ini_profile_store.h"

namespace verdant {
namespace {

namespace fs = std::filesystem;

constexpr char kSection[] = "ScreenSaver.Verdant Drift";
constexpr char kFile[] = "control.ini";
constexpr int kWrites = 200;

// Writes key = 0, 1, … in a child process with a store of its own. Only this writer sets the
// key, so before each write the file must hold its previous value: a lost write shows at once.
// Exits with the number of writes that failed or were found lost.
pid_t StartWriter(const fs::path& folder, const std::string& key) {
  const pid_t child = fork();
  if (child != 0) return child;
  IniProfileStore store(folder);
  int faults = 0;
  for (int i = 0; i < kWrites; ++i) {
    faults += store.GetPrivateProfileIntA(kSection, key, -1, kFile) != i - 1;
    faults += !store.WritePrivateProfileStringA(kSection, key, std::to_string(i), kFile);
  }
  _exit(faults > 100 ? 100 : faults);
}

int Faults(pid_t child) {
  int status = 0;
  if (waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

class IniProfileLockTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/verdant-lock-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    root = pattern;
  }
  void TearDown() override { fs::remove_all(root); }

  fs::path root;
};

TEST_F(IniProfileLockTest, TwoWritersOfOneFileLoseNoWrite) {
  std::ofstream(root / kFile) << "[" << kSection << "]\nNumber=20\n";
  const pid_t plant_type = StartWriter(root, "PlantType");
  const pid_t delay = StartWriter(root, "Delay");
  EXPECT_EQ(Faults(plant_type), 0);
  EXPECT_EQ(Faults(delay), 0);
  IniProfileStore store(root);
  EXPECT_EQ(store.GetPrivateProfileIntA(kSection, "PlantType", -1, kFile), kWrites - 1);
  EXPECT_EQ(store.GetPrivateProfileIntA(kSection, "Delay", -1, kFile), kWrites - 1);
  EXPECT_EQ(store.GetPrivateProfileIntA(kSection, "Number", -1, kFile), 20);
  // The lock leaves nothing behind.
  EXPECT_EQ(std::distance(fs::directory_iterator(root), fs::directory_iterator()), 1);
}

TEST_F(IniProfileLockTest, AWriteThatCannotLockFailsAndReadsStillWork) {
  std::ofstream(root / kFile) << "[S]\nNumber=1\n";
  // A folder where the lock file would go, so no lock can be taken.
  fs::create_directory(root / "control.ini.lock");
  IniProfileStore store(root);
  EXPECT_FALSE(store.WritePrivateProfileStringA("S", "Number", "2", kFile));
  EXPECT_EQ(store.GetPrivateProfileIntA("S", "Number", 9, kFile), 1);
  EXPECT_TRUE(fs::is_directory(root / "control.ini.lock"));
}

}  // namespace
}  // namespace verdant
