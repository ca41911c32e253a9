#include "base/ascii_case.h"

#include <gtest/gtest.h>

#include <string>

namespace base {
namespace {

TEST(AsciiCaseTest, OnlyAToZFold) {
  std::string name = "alpha-7_\xe9z";
  ToUpper(name);
  EXPECT_EQ(name, "ALPHA-7_\xe9Z");
  EXPECT_TRUE(EqualIgnoringCase("\\mailslot\\ntserver", "\\MAILSLOT\\NTSERVER"));
  EXPECT_FALSE(EqualIgnoringCase("\xe9", "\xc9"));  // é and É in Latin-1
  EXPECT_FALSE(EqualIgnoringCase("LAB", "LAB "));
  EXPECT_FALSE(EqualIgnoringCase("[", "{"));  // 0x20 apart, but not letters
}

}  // namespace
}  // namespace base
