#include "saver/animation/saver_cycle.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "saver/core/random_source.h"
#include "tests/saver/animation/fake_window_host.h"

namespace verdant {
namespace {

using ::testing::ElementsAre;
using testing::FakeProfileStore;
using testing::FakeWindowHost;
using testing::SurfaceCall;
using testing::SurfaceOp;

// A background band as painted: its corners and the colours of the brush and pen selected.
struct Band {
  int left, top, right, bottom;
  ColorRef brush;
  int pen_width;
  ColorRef pen;
  friend bool operator==(const Band&, const Band&) = default;
};

// A saver window with its own cycle, watched tick by tick: what each tick painted, and whether
// every palette it selected was one of its own, alive.
class WatchedWindow {
 public:
  explicit WatchedWindow(ProfileStore& profile) : cycle(profile) {
    window.surface.record_calls = false;
    window.surface.on_call = [this](const SurfaceCall& call) { Observe(call); };
  }

  // One letter per tick: P a plant, N a new screen, '.' a pause.
  std::string RunTicks(int ticks) {
    std::string timeline;
    for (int i = 0; i < ticks; ++i) {
      palette_selects = 0;
      bands.clear();
      cycle.OnTimer(window);
      timeline += !bands.empty() ? 'N' : palette_selects > 0 ? 'P' : '.';
    }
    return timeline;
  }

  FakeWindowHost window;
  SaverCycle cycle;
  int palette_selects = 0;
  int palettes_created = 0;
  int foreign_palettes_selected = 0;
  std::vector<Band> bands;

 private:
  void Observe(const SurfaceCall& call) {
    if (call.op == SurfaceOp::kSelectPalette) {
      ++palette_selects;
      const auto& objects = window.surface.objects();
      const auto found = objects.find(call.handle);
      if (found == objects.end() || found->second.kind != testing::ObjectKind::kPalette ||
          found->second.deleted) {
        ++foreign_palettes_selected;
      }
    }
    if (call.op == SurfaceOp::kCreatePalette) ++palettes_created;
    if (call.op != SurfaceOp::kRectangle) return;
    const auto& pen = window.surface.Object(window.surface.selected_pen());
    const auto& brush = window.surface.Object(window.surface.selected_brush());
    bands.push_back({call.x, call.y, call.x2, call.y2, brush.color, pen.width, pen.color});
  }
};

class SaverCycleTest : public ::testing::Test {
 protected:
  SaverCycleTest() {
    store.values["PlantType"] = 0;  // ferns: the quickest plants, the cycle does not care
  }
  void TearDown() override { cycle.OnDestroy(window); }

  std::string RunTicks(int ticks) { return saver.RunTicks(ticks); }

  FakeProfileStore store;
  WatchedWindow saver{store};
  FakeWindowHost& window = saver.window;
  SaverCycle& cycle = saver.cycle;
  int& palettes_created = saver.palettes_created;
  std::vector<Band>& bands = saver.bands;
};

TEST_F(SaverCycleTest, InitialSettingsMakeANewScreenEvery38Ticks) {
  cycle.OnCreate(window);
  const std::string screen = std::string(32, 'P') + std::string(5, '.') + "N";
  EXPECT_EQ(RunTicks(76), screen + screen);
}

TEST_F(SaverCycleTest, OnePlantAndOneTickOfPauseRepeatEveryThreeTicks) {
  store.values["Number"] = 1;
  store.values["Delay"] = 1;
  cycle.OnCreate(window);
  EXPECT_EQ(RunTicks(9), "P.NP.NP.N");
}

TEST_F(SaverCycleTest, WithoutDelayTheNewScreenFollowsTheLastPlant) {
  store.values["Number"] = 2;
  store.values["Delay"] = 0;
  cycle.OnCreate(window);
  EXPECT_EQ(RunTicks(6), "PPNPPN");
}

TEST_F(SaverCycleTest, NegativeDelayMeansNoPause) {
  store.values["Number"] = 1;
  store.values["Delay"] = -4;
  cycle.OnCreate(window);
  EXPECT_EQ(RunTicks(4), "PNPN");
}

TEST_F(SaverCycleTest, NumberZeroMakesEveryTickANewScreenWithAFreshPalette) {
  store.values["Number"] = 0;
  cycle.OnCreate(window);
  EXPECT_EQ(palettes_created, 1);
  EXPECT_EQ(RunTicks(4), "NNNN");
  EXPECT_EQ(palettes_created, 5);
  // Each old palette was deleted: only the current one is alive.
  EXPECT_EQ(window.surface.LiveObjects(), 1);
}

TEST_F(SaverCycleTest, StartsTheOneSecondTimerAfterReadingTheSettings) {
  window.time = 77;
  cycle.OnCreate(window);
  ASSERT_FALSE(store.reads.empty());
  EXPECT_EQ(window.events.back(), "SetTimer 1 1000");
}

TEST_F(SaverCycleTest, SeedsTheRandomSourceFromTheClock) {
  window.time = 1234567890;
  cycle.OnCreate(window);
  const int next = Random();
  // The first palette's ramp takes three draws right after seeding.
  SeedRandom(1234567890);
  Random(), Random(), Random();
  EXPECT_EQ(Random(), next);
}

TEST_F(SaverCycleTest, BandsOf29RowsCover768RowsWith27Entries) {
  store.values["Number"] = 0;
  store.values["ColorChoice"] = 3;
  cycle.OnCreate(window);
  RunTicks(1);
  ASSERT_EQ(bands.size(), 27u);
  for (int k = 0; k < 27; ++k) {
    const ColorRef color = PaletteIndex(209 + k);
    EXPECT_EQ(bands[k], (Band{0, 29 * k, 1024, 29 * (k + 1), color, 1, color})) << k;
  }
  EXPECT_EQ(bands.back().bottom, 783);  // cut by the screen's bottom edge
  // Each band's pen and brush are gone once it is painted, and the stock ones are back.
  EXPECT_EQ(window.surface.LiveObjects(), 1);
  EXPECT_EQ(window.surface.selected_pen(), testing::RecordingSurface::kStockPen);
  EXPECT_EQ(window.surface.selected_brush(), testing::RecordingSurface::kStockBrush);
}

TEST_F(SaverCycleTest, RainbowPaints35BandsFrom201) {
  store.values["Number"] = 0;
  store.values["ColorChoice"] = 7;
  window.height = 600;
  cycle.OnCreate(window);
  RunTicks(1);
  ASSERT_EQ(bands.size(), 35u);
  EXPECT_EQ(bands.front(), (Band{0, 0, 1024, 18, PaletteIndex(201), 1, PaletteIndex(201)}));
  EXPECT_EQ(bands.back().brush, PaletteIndex(235));
  EXPECT_EQ(bands.back().top, 34 * 18);
}

TEST_F(SaverCycleTest, NewScreenReplacesThePaletteBeforeSelectingItForTheBands) {
  store.values["Number"] = 0;
  cycle.OnCreate(window);
  const GdiHandle first = window.surface.objects().rbegin()->first;
  window.surface.record_calls = true;
  RunTicks(1);
  std::vector<SurfaceOp> ops;
  std::vector<GdiHandle> handles;
  for (const SurfaceCall& call : window.surface.calls()) {
    if (call.op == SurfaceOp::kRectangle) break;
    ops.push_back(call.op);
    handles.push_back(call.handle);
  }
  const GdiHandle second = window.surface.calls()[1].handle;
  EXPECT_THAT(
      ops, ElementsAre(SurfaceOp::kDeleteObject, SurfaceOp::kCreatePalette,
                       SurfaceOp::kSetPaletteEntries, SurfaceOp::kSelectPalette,
                       SurfaceOp::kRealizePalette, SurfaceOp::kCreateSolidBrush,
                       SurfaceOp::kCreatePen, SurfaceOp::kSelectObject, SurfaceOp::kSelectObject));
  EXPECT_EQ(handles[0], first);
  EXPECT_EQ(handles[3], second);
  const SurfaceCall& last = window.surface.calls().back();
  EXPECT_EQ(last.op, SurfaceOp::kSelectPalette);
  EXPECT_EQ(last.handle, testing::RecordingSurface::kDefaultPalette);
}

TEST_F(SaverCycleTest, CycleStepsThroughSevenSchemesBackToGrays) {
  store.values["Number"] = 0;
  store.values["ColorChoice"] = 8;
  cycle.OnCreate(window);
  std::vector<int> schemes;
  for (int i = 0; i < 7; ++i) {
    RunTicks(1);
    schemes.push_back(cycle.Settings().ColorChoice);
    EXPECT_EQ(bands.size(), 27u);
  }
  EXPECT_THAT(schemes, ElementsAre(1, 2, 3, 4, 5, 6, 0));
}

TEST_F(SaverCycleTest, WithoutAPaletteNoneIsAskedForAgainButBandsArePainted) {
  store.values["Number"] = 0;
  store.values["ColorChoice"] = 9;
  window.surface.fail_create_palette = true;
  cycle.OnCreate(window);
  EXPECT_EQ(RunTicks(3), "NNN");
  EXPECT_EQ(palettes_created, 1);
  EXPECT_EQ(bands.size(), 27u);
}

TEST_F(SaverCycleTest, TickWithoutAContextLeavesTheCycleWhereItWas) {
  store.values["Number"] = 1;
  store.values["Delay"] = 1;
  cycle.OnCreate(window);
  window.context_available = false;
  EXPECT_EQ(RunTicks(2), "..");
  window.context_available = true;
  EXPECT_EQ(RunTicks(3), "P.N");
}

TEST_F(SaverCycleTest, DestroyDeletesThePaletteAndKillsTheTimer) {
  for (bool context_available : {true, false}) {
    cycle.OnCreate(window);
    window.events.clear();
    window.context_available = context_available;  // deleting needs no context
    cycle.OnDestroy(window);
    EXPECT_THAT(window.events, ElementsAre("DeleteObject", "KillTimer 1"));
    EXPECT_EQ(window.surface.LiveObjects(), 0) << context_available;
    window.context_available = true;
  }
}

TEST_F(SaverCycleTest, FourBitDisplayEndsWithoutSettingsOrTimer) {
  window.surface.bits_per_pixel = 4;
  store.values["Number"] = 3;
  cycle.OnCreate(window);
  cycle.OnDestroy(window);
  EXPECT_THAT(window.events,
              ElementsAre("GetDC", "ReleaseDC",
                          "MessageBoxA This program requires more than 256 colors! | Verdant Drift",
                          "SendDestroy", "KillTimer 1"));
  EXPECT_TRUE(store.reads.empty());
  EXPECT_EQ(palettes_created, 0);
}

// Two windows, as on two displays, ticked in turn by one timer and drawing from the one random
// source: each keeps its own size, settings, palette, range and counters.
TEST(TwoSaverCyclesTest, WindowsTickedInTurnKeepTheirOwnScreens) {
  FakeProfileStore rainbow;
  rainbow.values = {{"PlantType", 0}, {"ColorChoice", 7}, {"Number", 1}, {"Delay", 0}};
  FakeProfileStore cycling;
  cycling.values = {{"PlantType", 0}, {"ColorChoice", 8}, {"Number", 2}, {"Delay", 1}};
  WatchedWindow first(rainbow);
  first.window.width = 800;
  first.window.height = 600;
  WatchedWindow second(cycling);
  second.window.width = 640;
  second.window.height = 360;
  first.cycle.OnCreate(first.window);
  second.cycle.OnCreate(second.window);
  std::string first_timeline;
  std::string second_timeline;
  for (int round = 0; round < 8; ++round) {
    first_timeline += first.RunTicks(1);
    if (!first.bands.empty()) {
      ASSERT_EQ(first.bands.size(), 35u);
      EXPECT_EQ(first.bands.front(),
                (Band{0, 0, 800, 18, PaletteIndex(201), 1, PaletteIndex(201)}));
    }
    second_timeline += second.RunTicks(1);
    if (!second.bands.empty()) {
      ASSERT_EQ(second.bands.size(), 27u);
      EXPECT_EQ(second.bands.back(),
                (Band{0, 26 * 14, 640, 27 * 14, PaletteIndex(235), 1, PaletteIndex(235)}));
    }
  }
  EXPECT_EQ(first_timeline, "PNPNPNPN");
  EXPECT_EQ(second_timeline, "PP.NPP.N");
  EXPECT_EQ(first.cycle.Settings().ColorChoice, 7);
  EXPECT_EQ(second.cycle.Settings().ColorChoice, 2);  // one step per screen of its own
  for (WatchedWindow* watched : {&first, &second}) {
    EXPECT_EQ(watched->foreign_palettes_selected, 0);
    watched->cycle.OnDestroy(watched->window);
    EXPECT_EQ(watched->window.surface.LiveObjects(), 0);
  }
}

}  // namespace
}  // namespace verdant
