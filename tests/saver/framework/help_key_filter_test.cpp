#include "saver/framework/help_key_filter.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace verdant {
namespace {

constexpr unsigned kHelpMessage = 0xC123;

// Windows as a map of styles and parents.
class FakeHookPlatform : public HelpHookPlatform {
 public:
  MessageResult CallNextHookEx(int code, MessageWParam w, MessageLParam l) override {
    passed.push_back({code, w, l});
    return 55;
  }
  std::intptr_t GetWindowLongPtrA(WindowHandle window, int index) override {
    const Window& w = windows.at(window);
    return index == kGwlStyle ? static_cast<std::intptr_t>(w.style)
                              : static_cast<std::intptr_t>(w.parent);
  }
  void PostMessageA(WindowHandle window, unsigned message, MessageWParam w,
                    MessageLParam l) override {
    posted.push_back({window, message, w, l});
  }

  struct Window {
    std::uint32_t style;
    WindowHandle parent;
  };
  struct Passed {
    int code;
    MessageWParam w;
    MessageLParam l;
  };
  struct Posted {
    WindowHandle window;
    unsigned message;
    MessageWParam w;
    MessageLParam l;
  };
  std::map<WindowHandle, Window> windows;
  std::vector<Passed> passed;
  std::vector<Posted> posted;
};

constexpr std::uint32_t kVisible = 0x10000000;
constexpr MessageLParam kRecord = 0x5000;

class HelpKeyFilterTest : public ::testing::Test {
 protected:
  HelpKeyFilterTest() {
    // dialog 10 (top level) > group 20 (child) > edit 30 (child)
    platform.windows[10] = {kVisible, 1};
    platform.windows[20] = {kWsChild | kVisible, 10};
    platform.windows[30] = {kWsChild, 20};
  }
  MessageResult Filter(int code, HookedMessage hooked) {
    return HelpKeyFilter(platform, kHelpMessage, code, 0, kRecord, hooked);
  }
  FakeHookPlatform platform;
};

TEST_F(HelpKeyFilterTest, NegativeCodesArePassedOnUnchanged) {
  EXPECT_EQ(HelpKeyFilter(platform, kHelpMessage, -1, 9, kRecord, {30, kWmKeyDown, kVkF1}), 55);
  ASSERT_EQ(platform.passed.size(), 1u);
  EXPECT_EQ(platform.passed[0].code, -1);
  EXPECT_EQ(platform.passed[0].w, 9u);
  EXPECT_EQ(platform.passed[0].l, kRecord);
  EXPECT_TRUE(platform.posted.empty());
}

TEST_F(HelpKeyFilterTest, PositiveCodesAreSwallowed) {
  EXPECT_EQ(Filter(2, {30, kWmKeyDown, kVkF1}), 0);  // a menu's loop
  EXPECT_EQ(Filter(5, {30, kWmKeyDown, 0x41}), 0);
  EXPECT_TRUE(platform.passed.empty());
  EXPECT_TRUE(platform.posted.empty());
}

TEST_F(HelpKeyFilterTest, F1InADialogGoesToTheTopLevelWindowAndIsSwallowed) {
  EXPECT_EQ(Filter(kMsgfDialogBox, {30, kWmKeyDown, kVkF1}), 1);
  ASSERT_EQ(platform.posted.size(), 1u);
  EXPECT_EQ(platform.posted[0].window, 10u);
  EXPECT_EQ(platform.posted[0].message, kHelpMessage);
  EXPECT_EQ(platform.posted[0].w, 0u);
  EXPECT_EQ(platform.posted[0].l, 0);
  EXPECT_TRUE(platform.passed.empty());
}

TEST_F(HelpKeyFilterTest, F1OnTheDialogItselfStaysThere) {
  Filter(kMsgfDialogBox, {10, kWmKeyDown, kVkF1});
  ASSERT_EQ(platform.posted.size(), 1u);
  EXPECT_EQ(platform.posted[0].window, 10u);
}

TEST_F(HelpKeyFilterTest, TheWalkStopsAtTheLastWindowWhenAParentIsMissing) {
  platform.windows[40] = {kWsChild, 0};
  platform.windows[50] = {kWsChild, 40};
  Filter(kMsgfDialogBox, {50, kWmKeyDown, kVkF1});
  ASSERT_EQ(platform.posted.size(), 1u);
  EXPECT_EQ(platform.posted[0].window, 40u);
}

TEST_F(HelpKeyFilterTest, AParentHandleIsFollowedAtItsFullWidth) {
  // The top bit set: cut to 32 bits on a 64-bit build, this would be dialog 10.
  const WindowHandle wide = (WindowHandle{1} << (sizeof(WindowHandle) * 8 - 1)) | 10;
  platform.windows[wide] = {kVisible, 1};
  platform.windows[60] = {kWsChild, wide};
  Filter(kMsgfDialogBox, {60, kWmKeyDown, kVkF1});
  ASSERT_EQ(platform.posted.size(), 1u);
  EXPECT_EQ(platform.posted[0].window, wide);
}

TEST_F(HelpKeyFilterTest, OtherDialogMessagesArePassedOn) {
  EXPECT_EQ(Filter(kMsgfDialogBox, {30, kWmKeyDown, 0x71}), 55);  // F2
  EXPECT_EQ(Filter(kMsgfDialogBox, {30, kWmSysKeyDown, kVkF1}), 55);
  EXPECT_EQ(Filter(kMsgfDialogBox, {30, 0x0101, kVkF1}), 55);  // key up
  EXPECT_EQ(platform.passed.size(), 3u);
  EXPECT_EQ(platform.passed[0].code, kMsgfDialogBox);
  EXPECT_TRUE(platform.posted.empty());
}

}  // namespace
}  // namespace verdant
