#include "saver/framework/saver_window_proc.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "saver/framework/config_dialog_model.h"
#include "tests/saver/fakes/recording_surface.h"
#include "tests/saver/framework/fake_dialog.h"

namespace verdant {
namespace {

// A profile file in memory.
class MemoryProfile : public ProfileStore {
 public:
  int GetPrivateProfileIntA(const std::string&, const std::string& key, int default_value,
                            const std::string&) override {
    ++reads;
    auto found = values.find(key);
    return found == values.end() ? default_value : found->second;
  }
  bool WritePrivateProfileStringA(const std::string&, const std::string& key,
                                  const std::string& value, const std::string&) override {
    written[key] = value;
    return true;
  }
  std::map<std::string, int> values;
  std::map<std::string, std::string> written;
  int reads = 0;
};

// The saver window with both seams in one record of events. Like SendMessageA, SendDestroy
// runs the window procedure at once.
class FakeSaverWindow : public SaverWindowHost, public SaverBaseWindow {
 public:
  DrawingSurface* GetDC() override { return &surface; }
  void ReleaseDC(DrawingSurface*) override { ++released; }
  void DeleteObject(GdiHandle object) override { surface.DeleteObject(object); }
  int ScreenWidth() override { return 640; }
  int ScreenHeight() override { return 480; }
  void SetTimer(unsigned id, unsigned period) override {
    events.push_back("SetTimer " + std::to_string(id) + " " + std::to_string(period));
  }
  void KillTimer(unsigned id) override { events.push_back("KillTimer " + std::to_string(id)); }
  void MessageBoxA(const std::string& text, const std::string& caption) override {
    events.push_back("MessageBoxA " + text + " | " + caption);
  }
  void SendDestroy() override { Send(kWmDestroy); }
  std::int64_t Time() override { return 1234; }

  void PostMessageA(unsigned message, MessageWParam, MessageLParam) override {
    events.push_back("PostMessageA " + std::to_string(message));
  }
  void PostQuitMessage(int code) override {
    events.push_back("PostQuitMessage " + std::to_string(code));
  }
  void SetCursor() override {}
  CursorPoint GetCursorPos() override { return {}; }
  void SetCursorPos(int, int) override {}
  MessageResult DefWindowProcA(unsigned message, MessageWParam, MessageLParam) override {
    events.push_back("DefWindowProcA " + std::to_string(message));
    return 0;
  }

  MessageResult Send(unsigned message) {
    return SaverWindowProc(cycle, *this, *this, message, 0, 0);
  }
  MessageResult SendPreview(unsigned message) {
    return SaverPreviewProc(cycle, *this, *this, message, 0, 0);
  }

  MemoryProfile profile;
  SaverCycle cycle{profile};
  testing::RecordingSurface surface;
  std::vector<std::string> events;
  int released = 0;
};

class SaverWindowProcTest : public ::testing::Test {
 protected:
  FakeSaverWindow window;
  MemoryProfile& profile = window.profile;
  SaverSettings dialog_settings;
};

const std::string kNotice =
    "MessageBoxA This program requires more than 256 colors! | Verdant Drift";

TEST_F(SaverWindowProcTest, AFourBitDisplayShowsTheNoticeAndEndsTheLoop) {
  window.surface.bits_per_pixel = 4;
  window.Send(kWmCreate);
  EXPECT_EQ(window.events, (std::vector<std::string>{kNotice, "KillTimer 1", "PostQuitMessage 0",
                                                     "DefWindowProcA 2", "DefWindowProcA 1"}));
  EXPECT_EQ(profile.reads, 0);
}

TEST_F(SaverWindowProcTest, EveryMessageReachesTheDefaultProcedureAfterTheCycle) {
  window.surface.bits_per_pixel = 8;  // exactly 8 passes
  profile.values["Number"] = 3;
  window.Send(kWmCreate);
  EXPECT_EQ(window.events, (std::vector<std::string>{"SetTimer 1 1000", "DefWindowProcA 1"}));
  EXPECT_EQ(window.cycle.Settings().Number, 3);

  window.events.clear();
  window.Send(kWmTimer);
  EXPECT_GT(window.surface.CountOf(testing::SurfaceOp::kRealizePalette), 0u);
  EXPECT_EQ(window.events, (std::vector<std::string>{"DefWindowProcA 275"}));

  window.events.clear();
  window.Send(kWmKeyDown);
  window.Send(kWmDestroy);
  EXPECT_EQ(window.events,
            (std::vector<std::string>{"PostMessageA 16", "DefWindowProcA 256", "KillTimer 1",
                                      "PostQuitMessage 0", "DefWindowProcA 2"}));
}

TEST_F(SaverWindowProcTest, ThePreviewRunsTheSameCycleAndEndsOnlyWithItsWindow) {
  window.surface.bits_per_pixel = 8;
  window.SendPreview(kWmCreate);
  window.SendPreview(kWmTimer);
  EXPECT_GT(window.surface.CountOf(testing::SurfaceOp::kRealizePalette), 0u);

  window.events.clear();
  window.SendPreview(kWmKeyDown);
  window.SendPreview(kWmLButtonDown);
  window.SendPreview(kWmDestroy);
  EXPECT_EQ(window.events,
            (std::vector<std::string>{"DefWindowProcA 256", "DefWindowProcA 513", "KillTimer 1",
                                      "PostQuitMessage 0", "DefWindowProcA 2"}));
}

TEST_F(SaverWindowProcTest, TheDialogOnAFourBitDisplayFillsNothingAndReadsNothing) {
  window.surface.bits_per_pixel = 4;
  dialog_settings.PlantType = 2;
  testing::FakeDialog dialog;
  EXPECT_FALSE(OpenConfigDialog(window, dialog, profile, dialog_settings));
  EXPECT_TRUE(dialog.lists.empty());
  EXPECT_EQ(window.events.front(), kNotice);
  EXPECT_EQ(profile.reads, 0);
  EXPECT_EQ(dialog_settings.PlantType, 2);
}

TEST_F(SaverWindowProcTest, TheDialogOpensOnTheStoredCycleAndOkStoresItAgain) {
  window.surface.bits_per_pixel = 32;
  profile.values = {{"PlantType", 1}, {"ColorChoice", 8}, {"BkgndTone", 9}, {"Delay", 2}};
  testing::FakeDialog dialog;
  ASSERT_TRUE(OpenConfigDialog(window, dialog, profile, dialog_settings));
  EXPECT_EQ(dialog.Shown(kColorList), "Cycle");
  EXPECT_TRUE(dialog.disabled[kColorList]);
  ConfirmConfigDialog(dialog, profile, dialog_settings);
  EXPECT_EQ(profile.written, (std::map<std::string, std::string>{{"PlantType", "1"},
                                                                 {"ColorChoice", "8"},
                                                                 {"BkgndTone", "9"},
                                                                 {"Delay", "2"},
                                                                 {"Number", "32"}}));
}

}  // namespace
}  // namespace verdant
