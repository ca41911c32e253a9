#include "saver/plants/draw_plant.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/saver/fakes/recording_surface.h"
#include "tests/saver/plants/plant_test_support.h"

namespace verdant {
namespace {

using testing::DrawsTaken;
using testing::RecordingSurface;
using testing::SeedWhere;
using testing::SurfaceOp;

constexpr int kWidth = 1024;
constexpr int kHeight = 768;

// The colour of the fern DrawPlant draws when its colour draw r satisfies r % modulus == rest.
ColorRef FernColor(int scheme, int modulus, int rest) {
  SeedWhere(1, [=](auto d) { return d[0] % modulus == rest; });
  RecordingSurface surface;
  DrawPlant(surface, kWidth, kHeight, scheme, 0);
  EXPECT_FALSE(surface.pixels().empty());
  return surface.pixels().empty() ? 0 : surface.pixels().front().color;
}

TEST(DrawPlantColorTest, SchemeBandsAndTheirEnds) {
  EXPECT_EQ(FernColor(0, 16, 0), PaletteIndex(1));
  EXPECT_EQ(FernColor(0, 16, 15), PaletteIndex(16));
  EXPECT_EQ(FernColor(1, 32, 0), PaletteIndex(17));
  EXPECT_EQ(FernColor(3, 32, 31), PaletteIndex(112));
  EXPECT_EQ(FernColor(5, 32, 7), PaletteIndex(152));
  EXPECT_EQ(FernColor(6, 32, 31), PaletteIndex(208));  // the largest index stays
}

TEST(DrawPlantColorTest, RainbowAndPastelWrapTheirTopIndexToOne) {
  EXPECT_EQ(FernColor(7, 201, 200), PaletteIndex(1));
  EXPECT_EQ(FernColor(7, 201, 199), PaletteIndex(200));
  EXPECT_EQ(FernColor(9, 209, 208), PaletteIndex(1));
  EXPECT_EQ(FernColor(9, 209, 207), PaletteIndex(208));
}

TEST(DrawPlantColorTest, UnknownSchemesTakeAnyPlantColourWithOneDraw) {
  for (int scheme : {8, 10, -2, 1000}) {
    EXPECT_EQ(FernColor(scheme, 208, 207), PaletteIndex(208)) << scheme;
    EXPECT_EQ(FernColor(scheme, 208, 0), PaletteIndex(1)) << scheme;
    RecordingSurface surface;
    EXPECT_EQ(DrawsTaken(5, [&] { DrawPlant(surface, kWidth, kHeight, scheme, 0); }), 1 + 10005);
  }
}

enum class Drawn { kFern, kBush, kForestTree, kSmallTree, kOther };

// Which generator ran, told by the first calls: pixels only for a fern, RGB pens for a bush,
// a first pen in the base colour (the trunk) for a forest tree, one shade above for a small
// tree.
Drawn Identify(const RecordingSurface& surface, int base_color) {
  const auto& calls = surface.calls();
  if (!calls.empty() && std::all_of(calls.begin(), calls.end(), [](const auto& call) {
        return call.op == SurfaceOp::kSetPixel;
      })) {
    return Drawn::kFern;
  }
  if (calls.empty() || calls[0].op != SurfaceOp::kCreatePen) return Drawn::kOther;
  if (calls[0].color == RgbColor(0, 127, 0)) return Drawn::kBush;
  if (calls[0].color == PaletteIndex(base_color)) return Drawn::kForestTree;
  if (calls[0].color == PaletteIndex(base_color + 1)) return Drawn::kSmallTree;
  return Drawn::kOther;
}

// Grays with the colour draw giving index 5; `kind_rest` fixes the kind draw r % 5.
Drawn Dispatch(int kind, int kind_rest = -1) {
  SeedWhere(2, [=](auto d) { return d[0] % 16 == 4 && (kind_rest < 0 || d[1] % 5 == kind_rest); });
  RecordingSurface surface;
  DrawPlant(surface, kWidth, kHeight, 0, kind);
  return Identify(surface, 5);
}

TEST(DrawPlantKindTest, FixedKinds) {
  EXPECT_EQ(Dispatch(0), Drawn::kFern);
  EXPECT_EQ(Dispatch(1), Drawn::kBush);
  EXPECT_EQ(Dispatch(2), Drawn::kForestTree);
  EXPECT_EQ(Dispatch(3), Drawn::kSmallTree);
}

TEST(DrawPlantKindTest, KindsOutsideTheListDrawFerns) {
  EXPECT_EQ(Dispatch(7), Drawn::kFern);
  EXPECT_EQ(Dispatch(-1), Drawn::kFern);
  EXPECT_EQ(Dispatch(5), Drawn::kFern);
}

TEST(DrawPlantKindTest, RandomKindDrawsAfterTheColour) {
  EXPECT_EQ(Dispatch(4, 0), Drawn::kFern);
  EXPECT_EQ(Dispatch(4, 1), Drawn::kBush);
  EXPECT_EQ(Dispatch(4, 2), Drawn::kForestTree);
  EXPECT_EQ(Dispatch(4, 3), Drawn::kSmallTree);
  EXPECT_EQ(Dispatch(4, 4), Drawn::kFern);  // not a fifth kind
}

TEST(DrawPlantKindTest, DrawsSpentOnAFern) {
  RecordingSurface surface;
  std::uint32_t seed = SeedWhere(2, [](auto d) { return d[1] % 5 == 4; });
  EXPECT_EQ(DrawsTaken(seed, [&] { DrawPlant(surface, kWidth, kHeight, 7, 4); }), 2 + 10005);
  EXPECT_EQ(DrawsTaken(seed, [&] { DrawPlant(surface, kWidth, kHeight, 7, 7); }), 1 + 10005);
}

TEST(DrawPlantTest, NoScreenNoPlantAndNoCrash) {
  for (int kind = 0; kind < 4; ++kind) {
    RecordingSurface surface;
    SeedRandom(3);
    DrawPlant(surface, 0, 0, 7, kind);
    DrawPlant(surface, -5, 100, 7, kind);
    EXPECT_TRUE(surface.calls().empty()) << kind;
  }
}

}  // namespace
}  // namespace verdant
