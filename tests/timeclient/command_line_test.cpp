#include "timeclient/command_line.h"

#include <gtest/gtest.h>

#include <vector>

namespace timeclient {
namespace {

CommandLine Parse(std::vector<std::string_view> args) {
  return ParseArguments(args);
}

constexpr char kEveryServer[] = R"(\\*\mailslot\ntserver)";

struct Case {
  std::vector<std::string_view> args;
  bool set_clock, usage, invalid, name_too_long;
  const char* server_path;
};

TEST(ParseArguments, Matrix) {
  const Case cases[] = {
      {{}, false, false, false, false, kEveryServer},
      {{"/S"}, true, false, false, false, kEveryServer},
      {{"/s"}, true, false, false, false, kEveryServer},
      {{"/?"}, false, true, false, false, kEveryServer},
      {{"/?", "/?"}, false, true, false, false, kEveryServer},
      {{"/?", "/S"}, true, true, false, false, kEveryServer},
      {{"/S", "/?"}, true, false, true, false, kEveryServer},
      {{"/S", "/S"}, true, false, true, false, kEveryServer},
      {{"/S", "/s"}, true, false, true, false, kEveryServer},
      {{"/Sx"}, false, false, true, false, kEveryServer},
      {{"/??"}, false, false, true, false, kEveryServer},
      {{"/x"}, false, false, true, false, kEveryServer},
      {{"/"}, false, false, true, false, kEveryServer},
      {{"."}, false, false, false, false, R"(\\.\mailslot\ntserver)"},
      {{"/S", "myserver"}, true, false, false, false, R"(\\myserver\mailslot\ntserver)"},
      {{"myserver", "/S"}, true, false, false, false, R"(\\myserver\mailslot\ntserver)"},
      {{"one", "two"}, false, false, true, false, R"(\\one\mailslot\ntserver)"},
      {{"ABCDEFGHIJKLMNO"}, false, false, false, false, R"(\\ABCDEFGHIJKLMNO\mailslot\ntserver)"},
      {{"ABCDEFGHIJKLMNOP"}, false, true, false, true, kEveryServer},
      // The first argument that ends the parse leaves the rest unread.
      {{"/x", "/?"}, false, false, true, false, kEveryServer},
      {{"/S", "/S", "host"}, true, false, true, false, kEveryServer},
      {{"ABCDEFGHIJKLMNOP", "/x"}, false, true, false, true, kEveryServer},
      {{"a", "b", "ABCDEFGHIJKLMNOP"}, false, false, true, false, R"(\\a\mailslot\ntserver)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.args));
    const CommandLine line = Parse(c.args);
    EXPECT_EQ(line.set_clock, c.set_clock);
    EXPECT_EQ(line.usage, c.usage);
    EXPECT_EQ(line.invalid, c.invalid);
    EXPECT_EQ(line.name_too_long, c.name_too_long);
    EXPECT_EQ(line.server_path, c.server_path);
    EXPECT_EQ(line.name_given, line.server_path != kEveryServer);
  }
}

// The target goes into a path: nothing that could make it a local file, a pipe or a device may
// pass, while "." and "*" keep their meaning and OEM letters stay names.
TEST(ParseArguments, TargetsThatCannotBeNamesAreInvalid) {
  for (std::string_view target : {".\\D:", "D:", "a/b", "x*", "?", "\"q\"", "<a", "a>", "a|b",
                                  "\\\\.\\pipe", "tab\t", "\x01", "\x1f"}) {
    SCOPED_TRACE(testing::PrintToString(target));
    const CommandLine line = Parse({target, "/?"});
    EXPECT_TRUE(line.invalid);
    EXPECT_FALSE(line.usage);  // the parse ended at the target
  }
  for (std::string_view target : {".", "*", "M\x9aLLER", "a b", "x\x7f"}) {
    SCOPED_TRACE(testing::PrintToString(target));
    const CommandLine line = Parse({target});
    EXPECT_FALSE(line.invalid);
    EXPECT_EQ(line.server_path, "\\\\" + std::string(target) + "\\mailslot\\ntserver");
  }
  // Too long comes before the characters; a second name before both.
  EXPECT_TRUE(Parse({"ABCDEFGHIJKLMN:P"}).name_too_long);
  EXPECT_FALSE(Parse({"ABCDEFGHIJKLMN:P"}).invalid);
  EXPECT_FALSE(Parse({"one", "ABCDEFGHIJKLMN:P"}).name_too_long);
}

}  // namespace
}  // namespace timeclient
