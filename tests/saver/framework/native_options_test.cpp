#include "saver/framework/native_options.h"

#include <gtest/gtest.h>

#include <vector>

namespace verdant {
namespace {

ParsedNativeOptions Parse(std::vector<std::string_view> args, const char* env = nullptr) {
  return ParseNativeOptions(args, env);
}

TEST(NativeOptionsTest, WhatIsNotAnOptionIsJoinedIntoTheModeArgument) {
  EXPECT_EQ(Parse({}).options.mode_argument, "");
  EXPECT_EQ(Parse({"/s"}).options.mode_argument, "/s");
  EXPECT_EQ(Parse({"-s", "--ticks", "3", "x"}).options.mode_argument, "-s x");
  EXPECT_EQ(Parse({"/c:12", "-x"}).options.mode_argument, "/c:12 -x");
}

TEST(NativeOptionsTest, WindowAndTicksWithOneDashOrTwo) {
  NativeOptions o = Parse({"--window", "320x200", "-ticks", "7", "/s"}).options;
  ASSERT_TRUE(o.window && o.ticks);
  EXPECT_EQ(o.window->width, 320);
  EXPECT_EQ(o.window->height, 200);
  EXPECT_EQ(*o.ticks, 7);
  EXPECT_TRUE(Parse({"-help"}).options.help);
}

TEST(NativeOptionsTest, RefusesBadOrMissingValues) {
  for (auto args : std::vector<std::vector<std::string_view>>{{"--window", "0x200"},
                                                              {"--window", "320x"},
                                                              {"--window", "16385x10"},
                                                              {"--ticks", "-1"},
                                                              {"--ticks", "2s"},
                                                              {"--ticks"},
                                                              {"-window-id", "0"},
                                                              {"-window-id", "0x"},
                                                              {"-window-id", "0x100000000"},
                                                              {"-window-id"}}) {
    EXPECT_FALSE(Parse(args).error.empty()) << args[0] << " " << args.back();
  }
}

TEST(NativeOptionsTest, ForeignWindowFromArgumentThenEnvironmentThenRoot) {
  EXPECT_FALSE(Parse({"/s"}).options.foreign);
  EXPECT_EQ(Parse({"-root"}).options.foreign->id, 0u);
  EXPECT_EQ(Parse({"--root"}, "0x600008").options.foreign->id, 0x600008u);
  EXPECT_EQ(Parse({}, "4194312").options.foreign->id, 4194312u);
  EXPECT_EQ(Parse({"-window-id", "0x2a"}, "0x600008").options.foreign->id, 0x2au);
  EXPECT_FALSE(Parse({}, "window").error.empty());
  // An empty value is no window: the command line alone decides.
  ParsedNativeOptions empty = Parse({"/c"}, "");
  EXPECT_TRUE(empty.error.empty());
  EXPECT_FALSE(empty.options.foreign);
}

}  // namespace
}  // namespace verdant
