// A trace read back and drawn again paints what the saver painted while it was traced.
#include "saver/surface/trace_replay.h"

#include <gtest/gtest.h>

#include <sstream>

#include "saver/animation/saver_cycle.h"
#include "saver/render/headless_window.h"
#include "saver/render/options_profile.h"
#include "saver/surface/software_surface.h"
#include "saver/surface/trace_surface.h"

namespace verdant {
namespace {

constexpr int kWidth = 160, kHeight = 120;

bool SamePixels(const SoftwareSurface& a, const SoftwareSurface& b) {
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      if (a.PixelAt(x, y) != b.PixelAt(x, y)) return false;
    }
  }
  return true;
}

// Three plants, a new screen of bands, two more plants, as verdant-render runs the saver.
std::string TraceOfRun(SoftwareSurface& frame, int plant_type, int seed) {
  std::ostringstream out;
  TraceSurface trace(out, &frame);
  OptionsProfile profile({{"PlantType", plant_type},
                          {"Number", 3},
                          {"Delay", 0},
                          {"BkgndTone", 7},
                          {"ColorChoice", 9}});
  SaverCycle cycle(profile);
  HeadlessWindow window(trace, kWidth, kHeight, seed);
  trace.RecordCreate(kWidth, kHeight, seed);
  cycle.OnCreate(window);
  for (int tick = 1; tick <= 6; ++tick) {
    trace.RecordTick(tick);
    cycle.OnTimer(window);
  }
  cycle.OnDestroy(window);
  return out.str();
}

TEST(TraceReplayTest, ReplayPaintsWhatTheSaverPainted) {
  for (int plant_type = 0; plant_type < 4; ++plant_type) {
    SoftwareSurface traced(kWidth, kHeight);
    std::istringstream in(TraceOfRun(traced, plant_type, 40 + plant_type));
    std::string error;
    const std::optional<Trace> trace = ReadTrace(in, error);
    ASSERT_TRUE(trace) << error;
    EXPECT_EQ(trace->width, kWidth);
    EXPECT_EQ(trace->seed, 40 + plant_type);
    SoftwareSurface replayed(kWidth, kHeight);
    Replay(*trace, {TraceLayer::Kind::kAll}, replayed);
    EXPECT_TRUE(SamePixels(traced, replayed)) << "plant type " << plant_type;
  }
}

TEST(TraceReplayTest, LayersSplitTheRecordsByKindAndPenWidth) {
  std::istringstream in(
      "create 8 6 1\n"
      "palette 0 2 000000 ff0000\n"
      "rect 0 0 8 3 i1\n"
      "line 0 4 7 4 0 #00ff00\n"
      "line 1 5 6 5 3 i1\n"
      "pixel 7 5 #0000ff\n");
  std::string error;
  const std::optional<Trace> trace = ReadTrace(in, error);
  ASSERT_TRUE(trace) << error;
  std::vector<std::string> names;
  for (const TraceLayer& layer : LayersOf(*trace)) names.push_back(LayerName(layer));
  EXPECT_EQ(names, (std::vector<std::string>{"all", "bands", "pixels", "w0", "w3"}));

  SoftwareSurface bands(8, 6), thin(8, 6), pixels(8, 6);
  Replay(*trace, {TraceLayer::Kind::kBands}, bands);
  Replay(*trace, {TraceLayer::Kind::kLines, 0}, thin);
  Replay(*trace, {TraceLayer::Kind::kPixels}, pixels);
  EXPECT_EQ(bands.PixelAt(7, 2), 0xFF0000u);  // the palette's entry, brush and pen alike
  EXPECT_EQ(bands.PixelAt(0, 4), 0u);
  EXPECT_EQ(thin.PixelAt(6, 4), 0x00FF00u);
  EXPECT_EQ(thin.PixelAt(7, 4), 0u);  // a thin line leaves out its end
  EXPECT_EQ(thin.PixelAt(3, 5), 0u);
  EXPECT_EQ(pixels.PixelAt(7, 5), 0x0000FFu);
  EXPECT_EQ(pixels.PixelAt(0, 0), 0u);
}

TEST(TraceReplayTest, ABadRecordIsNamed) {
  for (const char* text : {"create 8 6 1\nline 0 0 1\n", "create 8 6 1\npixel 1 1 #12345\n",
                           "create 8 6 1\nrect 0 0 1 1 j4\n", "create 8 6 1\nsquare 1 2\n",
                           "create 8 6 1\npalette 0 1 12345z\n", "tick 1\n"}) {
    std::istringstream in(text);
    std::string error;
    EXPECT_FALSE(ReadTrace(in, error)) << text;
    EXPECT_FALSE(error.empty()) << text;
  }
}

}  // namespace
}  // namespace verdant
