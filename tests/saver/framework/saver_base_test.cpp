#include "saver/framework/saver_base.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace verdant {
namespace {

// Records the calls; the pointer lives on a screen of the given size and is clamped to it.
class FakeSaverWindow : public SaverBaseWindow {
 public:
  FakeSaverWindow(int width, int height) : width_(width), height_(height) {}

  void PostMessageA(unsigned message, MessageWParam w, MessageLParam l) override {
    posted.push_back({message, w, l});
  }
  void PostQuitMessage(int code) override { quit_codes.push_back(code); }
  void SetCursor() override { ++cursor_hidden; }
  CursorPoint GetCursorPos() override { return pointer; }
  void SetCursorPos(int x, int y) override {
    pointer = {std::clamp(x, 0, width_ - 1), std::clamp(y, 0, height_ - 1)};
  }
  MessageResult DefWindowProcA(unsigned message, MessageWParam, MessageLParam) override {
    defaulted.push_back(message);
    return 77;
  }

  struct Posted {
    unsigned message;
    MessageWParam w;
    MessageLParam l;
  };
  std::vector<Posted> posted;
  std::vector<int> quit_codes;
  std::vector<unsigned> defaulted;
  int cursor_hidden = 0;
  CursorPoint pointer{100, 100};

 private:
  int width_;
  int height_;
};

class SaverBaseTest : public ::testing::Test {
 protected:
  MessageResult Send(unsigned message, MessageWParam w = 0, MessageLParam l = 0) {
    return SaverBaseProc(window, anchor, message, w, l);
  }
  int Closes() const {
    int n = 0;
    for (const auto& p : window.posted) n += p.message == kWmClose && p.w == 0 && p.l == 0;
    return n;
  }
  FakeSaverWindow window{1024, 768};
  MouseAnchorState anchor;
};

TEST_F(SaverBaseTest, KeysAndSystemKeysClose) {
  EXPECT_EQ(Send(kWmKeyDown, 0x10), 77);  // shift, passed on after the close
  EXPECT_EQ(Send(kWmSysKeyDown, 0x12), 77);
  EXPECT_EQ(Closes(), 2);
  EXPECT_EQ(window.posted.size(), 2u);
}

TEST_F(SaverBaseTest, FirstMoveOnlySetsTheAnchorHoweverFar) {
  window.pointer = {1000, 700};
  Send(kWmMouseMove);
  EXPECT_EQ(Closes(), 0);
  EXPECT_TRUE(anchor.MouseAnchorSet);
  EXPECT_EQ(anchor.MouseAnchor, (CursorPoint{1000, 700}));
}

TEST_F(SaverBaseTest, SummedDistanceAboveThreeCloses) {
  Send(kWmMouseMove);
  window.pointer = {102, 101};  // d = 3
  Send(kWmMouseMove);
  EXPECT_EQ(Closes(), 0);
  window.pointer = {98, 102};  // d = 4
  Send(kWmMouseMove);
  EXPECT_EQ(Closes(), 1);
  EXPECT_EQ(anchor.MouseAnchor, (CursorPoint{100, 100}));
}

TEST_F(SaverBaseTest, SmallMovesAddUpBecauseTheAnchorStays) {
  Send(kWmMouseMove);
  for (int x = 101; x <= 103; ++x) {
    window.pointer.x = x;
    Send(kWmMouseMove);
  }
  EXPECT_EQ(Closes(), 0);
  window.pointer.x = 104;
  Send(kWmMouseMove);
  EXPECT_EQ(Closes(), 1);
}

TEST_F(SaverBaseTest, LosingActivationRunsTheMouseTest) {
  for (unsigned message : {kWmActivate, kWmActivateApp}) {
    Send(message, 1);  // gaining activation does nothing
    EXPECT_FALSE(anchor.MouseAnchorSet);
  }
  Send(kWmActivateApp, 0);  // records the anchor only
  EXPECT_TRUE(anchor.MouseAnchorSet);
  Send(kWmActivate, 0);  // pointer still at the anchor
  EXPECT_EQ(Closes(), 0);
  window.pointer = {110, 100};
  Send(kWmActivate, 0);
  EXPECT_EQ(Closes(), 1);
}

TEST_F(SaverBaseTest, ButtonsNudgeThePointerUpAndRightThenClose) {
  for (unsigned message : {kWmLButtonDown, kWmRButtonDown, kWmMButtonDown}) {
    window.pointer = {500, 400};
    EXPECT_EQ(Send(message), 77);
    EXPECT_EQ(window.pointer, (CursorPoint{501, 399}));
  }
  EXPECT_EQ(Closes(), 3);
}

TEST_F(SaverBaseTest, ButtonInTheBottomRightCornerNudgesLeft) {
  window.pointer = {1023, 767};
  Send(kWmLButtonDown);
  EXPECT_EQ(window.pointer, (CursorPoint{1022, 766}));
  // On the right edge only, the pointer could still move down: it stays on the edge.
  window.pointer = {1023, 300};
  Send(kWmLButtonDown);
  EXPECT_EQ(window.pointer, (CursorPoint{1023, 299}));
}

TEST_F(SaverBaseTest, ButtonDoesNotTouchTheAnchor) {
  Send(kWmLButtonDown);
  EXPECT_FALSE(anchor.MouseAnchorSet);
}

TEST_F(SaverBaseTest, DestroyPostsQuitAndIsPassedOn) {
  EXPECT_EQ(Send(kWmDestroy), 77);
  EXPECT_EQ(window.quit_codes, std::vector<int>{0});
  EXPECT_EQ(window.defaulted, std::vector<unsigned>{kWmDestroy});
}

TEST_F(SaverBaseTest, SetCursorHidesThePointerAndIsPassedOn) {
  EXPECT_EQ(Send(kWmSetCursor), 77);
  EXPECT_EQ(window.cursor_hidden, 1);
  EXPECT_EQ(window.defaulted.size(), 1u);
}

TEST_F(SaverBaseTest, InactiveLookAndSaverOrCloseCommandsAreRefused) {
  EXPECT_EQ(Send(kWmNcActivate, 0), 0);
  EXPECT_EQ(Send(kWmSysCommand, kScScreenSave), 0);
  EXPECT_EQ(Send(kWmSysCommand, kScClose), 0);
  EXPECT_EQ(Send(kWmSysCommand, kScClose | 2), 0);  // the low bits are the platform's
  EXPECT_TRUE(window.defaulted.empty());
  EXPECT_EQ(Send(kWmNcActivate, 1), 77);
  EXPECT_EQ(Send(kWmSysCommand, 0xF020), 77);  // minimise goes on
  EXPECT_EQ(window.defaulted, (std::vector<unsigned>{kWmNcActivate, kWmSysCommand}));
  EXPECT_EQ(Closes(), 0);
}

TEST_F(SaverBaseTest, OtherMessagesArePassedOnUntouched) {
  for (unsigned message : {kWmCreate, kWmTimer, kWmClose, 0x000Fu, 0x0203u}) {
    EXPECT_EQ(Send(message), 77);
  }
  EXPECT_EQ(window.defaulted.size(), 5u);
  EXPECT_TRUE(window.posted.empty());
  EXPECT_TRUE(window.quit_codes.empty());
}

// In the preview, input and the pointer belong to the settings page around it.
TEST_F(SaverBaseTest, ThePreviewLeavesInputAndPointerAloneAndEndsOnlyWithItsWindow) {
  const unsigned inputs[] = {kWmKeyDown,     kWmSysKeyDown, kWmLButtonDown, kWmRButtonDown,
                             kWmMButtonDown, kWmSetCursor,  kWmActivate,    kWmActivateApp,
                             kWmNcActivate,  kWmMouseMove,  kWmSysCommand};
  for (unsigned message : inputs) {
    window.pointer.x += 50;
    EXPECT_EQ(PreviewBaseProc(window, message, 0, 0), 77) << message;
  }
  EXPECT_TRUE(window.posted.empty());
  EXPECT_EQ(window.cursor_hidden, 0);
  EXPECT_EQ(window.pointer, (CursorPoint{650, 100}));  // only the test moved it
  EXPECT_EQ(window.defaulted.size(), std::size(inputs));
  EXPECT_TRUE(window.quit_codes.empty());

  EXPECT_EQ(PreviewBaseProc(window, kWmDestroy, 0, 0), 77);
  EXPECT_EQ(window.quit_codes, (std::vector<int>{0}));
}

}  // namespace
}  // namespace verdant
