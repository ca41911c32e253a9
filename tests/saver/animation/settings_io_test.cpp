#include "saver/animation/settings_io.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/saver/animation/fake_window_host.h"

namespace verdant {
namespace {

using ::testing::ElementsAre;
using testing::FakeProfileStore;
using testing::FakeWindowHost;

class SettingsIoTest : public ::testing::Test {
 protected:
  FakeProfileStore store;
  SaverSettings settings;
};

TEST_F(SettingsIoTest, ReadsTheFiveKeysInOrderWithTheCurrentValuesAsDefaults) {
  store.values = {
      {"PlantType", 1}, {"ColorChoice", 9}, {"BkgndTone", 10}, {"Delay", -2}, {"Number", 0}};
  ReadSettings(store, settings);
  EXPECT_THAT(store.reads, ElementsAre("ScreenSaver.Verdant Drift/PlantType/4/control.ini",
                                       "ScreenSaver.Verdant Drift/ColorChoice/7/control.ini",
                                       "ScreenSaver.Verdant Drift/BkgndTone/0/control.ini",
                                       "ScreenSaver.Verdant Drift/Delay/5/control.ini",
                                       "ScreenSaver.Verdant Drift/Number/32/control.ini"));
  const SaverSettings& s = settings;
  // Out-of-range values are kept as they are.
  EXPECT_EQ(s.PlantType, 1);
  EXPECT_EQ(s.ColorChoice, 9);
  EXPECT_EQ(s.BkgndTone, 10);
  EXPECT_EQ(s.Delay, -2);
  EXPECT_EQ(s.Number, 0);
  EXPECT_FALSE(s.CycleColors);
}

TEST_F(SettingsIoTest, MissingKeysLeaveTheirSettingsUnchanged) {
  settings.BkgndTone = 3;
  settings.Number = 12;
  store.values = {{"Delay", 9}};
  ReadSettings(store, settings);
  EXPECT_EQ(settings.BkgndTone, 3);
  EXPECT_EQ(settings.Number, 12);
  EXPECT_EQ(settings.Delay, 9);
  EXPECT_EQ(settings.ColorChoice, 7);
}

TEST_F(SettingsIoTest, StoredCycleBecomesGraysWithCyclingAndIsWrittenBackAsEight) {
  store.values = {{"ColorChoice", 8}};
  ReadSettings(store, settings);
  EXPECT_EQ(settings.ColorChoice, 0);
  EXPECT_TRUE(settings.CycleColors);
  // Whatever scheme the cycle has reached, the file keeps "Cycle".
  settings.ColorChoice = 5;
  WriteSettings(store, settings);
  EXPECT_THAT(store.writes, ElementsAre("ScreenSaver.Verdant Drift/PlantType=4/control.ini",
                                        "ScreenSaver.Verdant Drift/ColorChoice=8/control.ini",
                                        "ScreenSaver.Verdant Drift/BkgndTone=0/control.ini",
                                        "ScreenSaver.Verdant Drift/Delay=5/control.ini",
                                        "ScreenSaver.Verdant Drift/Number=32/control.ini"));
}

TEST_F(SettingsIoTest, CyclingStaysOnWhenALaterReadFindsAnotherScheme) {
  settings.CycleColors = true;
  store.values = {{"ColorChoice", 3}};
  ReadSettings(store, settings);
  EXPECT_EQ(settings.ColorChoice, 3);
  EXPECT_TRUE(settings.CycleColors);
}

TEST_F(SettingsIoTest, WritesSignedDecimalText) {
  settings.PlantType = -7;
  settings.ColorChoice = 9;
  settings.Number = 2147483647;
  WriteSettings(store, settings);
  EXPECT_EQ(store.writes[0], "ScreenSaver.Verdant Drift/PlantType=-7/control.ini");
  EXPECT_EQ(store.writes[1], "ScreenSaver.Verdant Drift/ColorChoice=9/control.ini");
  EXPECT_EQ(store.writes[4], "ScreenSaver.Verdant Drift/Number=2147483647/control.ini");
}

TEST_F(SettingsIoTest, EightBitDisplayPassesAndReadsTheSettings) {
  FakeWindowHost window;
  window.surface.bits_per_pixel = 8;
  store.values = {{"Number", 3}};
  EXPECT_EQ(CheckDisplayAndLoad(window, store, settings), 1);
  EXPECT_THAT(window.events, ElementsAre("GetDC", "ReleaseDC"));
  EXPECT_EQ(settings.Number, 3);
}

TEST_F(SettingsIoTest, FourBitDisplayShowsTheNoticeAndDestroysWithoutReading) {
  FakeWindowHost window;
  window.surface.bits_per_pixel = 4;
  store.values = {{"Number", 3}};
  EXPECT_EQ(CheckDisplayAndLoad(window, store, settings), 0);
  EXPECT_THAT(window.events,
              ElementsAre("GetDC", "ReleaseDC",
                          "MessageBoxA This program requires more than 256 colors! | Verdant Drift",
                          "SendDestroy"));
  EXPECT_TRUE(store.reads.empty());
  EXPECT_EQ(settings.Number, 32);
}

TEST_F(SettingsIoTest, NoContextCountsAsTooFewColours) {
  FakeWindowHost window;
  window.context_available = false;
  EXPECT_EQ(CheckDisplayAndLoad(window, store, settings), 0);
  EXPECT_THAT(window.events,
              ElementsAre("GetDC", ::testing::StartsWith("MessageBoxA"), "SendDestroy"));
}

}  // namespace
}  // namespace verdant
