#include "saver/palettes/palette_builder.h"

#include <gtest/gtest.h>

#include <array>

#include "saver/core/random_source.h"
#include "saver/palettes/background_ramp.h"
#include "saver/palettes/palette_layouts.h"
#include "tests/saver/fakes/recording_surface.h"

namespace verdant {
namespace {

using testing::RecordingSurface;
using testing::SurfaceOp;

constexpr PaletteEntry Rgb(int r, int g, int b) {
  return {static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(b),
          kPcReserved};
}

// A seed whose first three draws give the wanted background steps (-1: any).
std::uint32_t SeedForSteps(int red, int green, int blue) {
  for (std::uint32_t seed = 0;; ++seed) {
    SeedRandom(seed);
    int r = Random() % 5, g = Random() % 5, b = Random() % 5;
    if ((red < 0 || r == red) && (green < 0 || g == green) && (blue < 0 || b == blue)) {
      SeedRandom(seed);
      return seed;
    }
  }
}

class PaletteTest : public ::testing::Test {
 protected:
  // The palette as it stands after the builder and the ramp; its range is kept in `built`.
  std::vector<PaletteEntry> Build(RecordingSurface& target, int scheme, int tone) {
    built = BuildPalette(target, scheme, tone);
    EXPECT_NE(built.Palette, 0u);
    return target.Object(built.Palette).entries;
  }

  RecordingSurface surface;
  BuiltPalette built;
};

TEST_F(PaletteTest, StandardLayoutFamilyEnds) {
  SeedRandom(1);
  auto p = Build(surface, 3, 0);
  ASSERT_EQ(p.size(), 256u);
  EXPECT_EQ(p[0], Rgb(0, 0, 0));
  // First and last shade of each family: grey, blue, light blue, cyan, light cyan, green,
  // light green, yellow, light yellow, red, light red, magenta, light magenta.
  const std::array<std::pair<PaletteEntry, PaletteEntry>, 13> ends{{
      {Rgb(255, 255, 255), Rgb(135, 135, 135)},
      {Rgb(0, 0, 255), Rgb(0, 0, 135)},
      {Rgb(7, 7, 255), Rgb(127, 127, 255)},
      {Rgb(0, 255, 255), Rgb(0, 135, 135)},
      {Rgb(7, 255, 255), Rgb(127, 255, 255)},
      {Rgb(0, 255, 0), Rgb(0, 135, 0)},
      {Rgb(7, 255, 7), Rgb(127, 255, 127)},
      {Rgb(255, 255, 0), Rgb(135, 135, 0)},
      {Rgb(255, 255, 7), Rgb(255, 255, 127)},
      {Rgb(255, 0, 0), Rgb(135, 0, 0)},
      {Rgb(255, 7, 7), Rgb(255, 127, 127)},
      {Rgb(255, 0, 255), Rgb(135, 0, 135)},
      {Rgb(255, 7, 255), Rgb(255, 127, 255)},
  }};
  for (int f = 0; f < 13; ++f) {
    EXPECT_EQ(p[1 + 16 * f], ends[f].first) << "family " << f;
    EXPECT_EQ(p[16 + 16 * f], ends[f].second) << "family " << f;
  }
  EXPECT_EQ(p[2], Rgb(247, 247, 247));
  EXPECT_EQ(p[208], Rgb(255, 127, 255));
}

TEST_F(PaletteTest, RainbowLayoutAndAllColorsRamp) {
  SeedForSteps(2, 1, 3);
  auto p = Build(surface, 7, 10);
  EXPECT_EQ(built.BackgroundFirst, 201);
  EXPECT_EQ(built.BackgroundCount, 35);
  EXPECT_EQ(p[1], Rgb(255, 255, 255));
  EXPECT_EQ(p[8], Rgb(143, 143, 143));
  EXPECT_EQ(p[25], Rgb(0, 127, 255));
  EXPECT_EQ(p[32], Rgb(0, 71, 143));
  EXPECT_EQ(p[33], Rgb(15, 133, 255));
  EXPECT_EQ(p[40], Rgb(127, 189, 255));
  EXPECT_EQ(p[89], Rgb(127, 255, 0));     // family 11: H, D, 0
  EXPECT_EQ(p[128], Rgb(143, 71, 0));     // family 15, last shade
  EXPECT_EQ(p[185], Rgb(127, 0, 255));    // family 23
  EXPECT_EQ(p[200], Rgb(189, 127, 255));  // family 24, last shade
  for (int i = 0; i < 35; ++i) {
    EXPECT_EQ(p[201 + i], Rgb(3 + 2 * i, 3 + i, 3 + 3 * i)) << "entry " << 201 + i;
  }
}

TEST_F(PaletteTest, PastelLayoutEnds) {
  SeedRandom(5);
  auto p = Build(surface, 9, 0);
  EXPECT_EQ(built.BackgroundFirst, 209);
  EXPECT_EQ(built.BackgroundCount, 27);
  EXPECT_EQ(p[1], Rgb(135, 135, 135));
  EXPECT_EQ(p[33], Rgb(135, 15, 255));
  EXPECT_EQ(p[48], Rgb(255, 255, 255));
  EXPECT_EQ(p[97], Rgb(15, 255, 135));
  EXPECT_EQ(p[193], Rgb(15, 135, 255));
  EXPECT_EQ(p[208], Rgb(255, 255, 255));
}

TEST_F(PaletteTest, EveryLayoutLeavesTheTailBlackAndWritesOnlyCreatePalette) {
  for (int scheme : {0, 7, 9, 8, 42}) {
    RecordingSurface fresh;
    SeedRandom(3);
    auto p = Build(fresh, scheme, 10);
    for (int i = 236; i < 256; ++i) EXPECT_EQ(p[i], Rgb(0, 0, 0)) << i;
    for (const PaletteEntry& e : p) EXPECT_EQ(e.flags, kPcReserved);
    ASSERT_EQ(fresh.calls().size(), 2u);
    EXPECT_EQ(fresh.calls()[0].op, SurfaceOp::kCreatePalette);
    EXPECT_EQ(fresh.calls()[1].op, SurfaceOp::kSetPaletteEntries);
    EXPECT_EQ(fresh.calls()[1].x, built.BackgroundFirst);
    EXPECT_EQ(fresh.calls()[1].entries.size(), static_cast<std::size_t>(built.BackgroundCount));
  }
}

TEST_F(PaletteTest, OtherSchemesUseTheStandardLayout) {
  SeedRandom(9);
  auto standard = Build(surface, 0, 0);
  for (int scheme : {6, 8, -1, 10}) {
    RecordingSurface other;
    SeedRandom(9);
    EXPECT_EQ(Build(other, scheme, 0), standard) << scheme;
    EXPECT_EQ(built.BackgroundFirst, 209);
  }
}

TEST_F(PaletteTest, AllColorsRampWithGivenSteps) {
  SeedForSteps(2, 0, 4);
  auto p = Build(surface, 2, 10);
  EXPECT_EQ(p[209], Rgb(3, 3, 3));
  EXPECT_EQ(p[210], Rgb(5, 3, 7));
  EXPECT_EQ(p[235], Rgb(55, 3, 107));
}

TEST_F(PaletteTest, SingleStepTonesShareOneStep) {
  SeedForSteps(4, 2, 0);
  auto magenta = Build(surface, 0, 6);
  for (int i = 209; i <= 235; ++i) EXPECT_EQ(magenta[i], Rgb(3, 0, 3)) << i;

  RecordingSurface yellow_surface;
  SeedForSteps(1, 3, 2);
  auto yellow = Build(yellow_surface, 0, 2);
  EXPECT_EQ(yellow[235], Rgb(29, 29, 0));

  RecordingSurface cyan_surface;
  SeedForSteps(1, 3, 2);
  auto cyan = Build(cyan_surface, 0, 4);
  EXPECT_EQ(cyan[235], Rgb(0, 81, 81));
}

TEST_F(PaletteTest, TwoChannelTonesRampTheirOwnChannels) {
  const std::array<std::pair<int, PaletteEntry>, 6> cases{{
      {1, Rgb(29, 0, 0)},
      {3, Rgb(0, 81, 0)},
      {5, Rgb(0, 0, 55)},
      {7, Rgb(0, 81, 55)},
      {8, Rgb(29, 81, 0)},
      {9, Rgb(29, 0, 55)},
  }};
  for (auto [tone, last] : cases) {
    RecordingSurface fresh;
    SeedForSteps(1, 3, 2);
    EXPECT_EQ(Build(fresh, 1, tone)[235], last) << "tone " << tone;
  }
}

TEST_F(PaletteTest, BlackAndUnknownTonesStillSpendThreeDraws) {
  for (int tone : {0, 11, -1}) {
    RecordingSurface fresh;
    SeedRandom(77);
    Random(), Random(), Random();
    int fourth = Random();
    SeedRandom(77);
    auto p = Build(fresh, 4, tone);
    for (int i = 209; i <= 235; ++i) EXPECT_EQ(p[i], Rgb(0, 0, 0)) << i;
    EXPECT_EQ(Random(), fourth) << "tone " << tone;
  }
}

TEST_F(PaletteTest, FailedCreationGivesNoPaletteButSameDraws) {
  surface.fail_create_palette = true;
  SeedRandom(11);
  Random(), Random(), Random();
  int fourth = Random();
  SeedRandom(11);
  built = BuildPalette(surface, 7, 10);
  EXPECT_EQ(built.Palette, 0u);
  EXPECT_EQ(surface.CountOf(SurfaceOp::kSetPaletteEntries), 0u);
  EXPECT_EQ(built.BackgroundFirst, 201);
  EXPECT_EQ(built.BackgroundCount, 35);
  EXPECT_EQ(Random(), fourth);
}

TEST_F(PaletteTest, RampStaysInsideThePaletteForAnyRange) {
  GdiHandle palette = MakeStandardPalette(surface);
  SeedRandom(2);
  FillBackgroundRamp(surface, palette, 1000, 250, 10);
  EXPECT_EQ(surface.calls().back().x, 250);
  EXPECT_EQ(surface.calls().back().entries.size(), 6u);
  FillBackgroundRamp(surface, palette, 5, -3, 10);
  EXPECT_EQ(surface.calls().back().x, 0);
  FillBackgroundRamp(surface, palette, -4, 10, 10);
  EXPECT_TRUE(surface.calls().back().entries.empty());
}

}  // namespace
}  // namespace verdant
