#include "saver/plants/fern.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/saver/fakes/recording_surface.h"
#include "tests/saver/plants/plant_test_support.h"

namespace verdant {
namespace {

using testing::DrawsTaken;
using testing::RecordingSurface;
using testing::SeedWhere;
using testing::SurfaceOp;

// Draws of a fern: z-axis angle, scales, column and lift, then one per point.
enum FernDraw { kAngle, kScaleX, kScaleY, kColumn, kLift, kFirstPoint };

TEST(FernTest, TenThousandPixelsInOneColourAndNothingElse) {
  SeedRandom(31);
  RecordingSurface surface;
  DrawFern(surface, 16384, 16384, 77);
  EXPECT_EQ(surface.pixels().size(), 10000u);
  EXPECT_EQ(surface.CountOf(SurfaceOp::kSetPixel), surface.calls().size());
  for (const auto& pixel : surface.pixels()) EXPECT_EQ(pixel.color, PaletteIndex(77));
}

TEST(FernTest, TakesTenThousandAndFiveDrawsOnAnyScreen) {
  RecordingSurface surface;
  EXPECT_EQ(DrawsTaken(7, [&] { DrawFern(surface, 1920, 1080, 5); }), 10005);
  EXPECT_EQ(DrawsTaken(8, [&] { DrawFern(surface, 12, 9, 5); }), 10005);
}

TEST(FernTest, PointsOffTheScreenAreSkipped) {
  for (std::uint32_t seed : {1u, 2u, 3u, 4u}) {
    SeedRandom(seed);
    RecordingSurface surface;
    DrawFern(surface, 40, 30, 5);
    EXPECT_LT(surface.pixels().size(), 10000u);
    for (const auto& pixel : surface.pixels()) {
      EXPECT_TRUE(pixel.x >= 0 && pixel.x < 40 && pixel.y >= 0 && pixel.y < 30);
    }
  }
}

TEST(FernTest, FirstPointOnTheStemFootAfterTheSqueezingMap) {
  constexpr int kWidth = 800, kHeight = 600;
  SeedWhere(6, [](auto d) { return d[kFirstPoint] == 327; });  // the last draw of map 0
  std::array<int, 6> d;
  for (int& draw : d) draw = Random();
  int column = (d[kColumn] % kWidth) * 3 / 4 + kWidth / 8;
  int lift = (d[kLift] % kHeight) / 2 + kHeight / 8;
  SeedWhere(6, [](auto d) { return d[kFirstPoint] == 327; });
  RecordingSurface surface;
  DrawFern(surface, kWidth, kHeight, 5);
  ASSERT_FALSE(surface.pixels().empty());
  EXPECT_EQ(surface.pixels()[0].x, column);
  EXPECT_EQ(surface.pixels()[0].y, 7 * kHeight / 8 - lift);
}

TEST(FernTest, FirstPointRisesAlongTheYAxisAfterTheMainMap) {
  constexpr int kWidth = 800, kHeight = 600;
  SeedWhere(6, [](auto d) { return d[kFirstPoint] == 328; });  // the first draw of map 1
  std::array<int, 6> d;
  for (int& draw : d) draw = Random();
  int column = (d[kColumn] % kWidth) * 3 / 4 + kWidth / 8;
  int lift = (d[kLift] % kHeight) / 2 + kHeight / 8;
  // Map 1 takes the origin to (0, 1.62, 0); the y axis points 70 degrees above the horizontal.
  const double beta = 70 * 0.01745327777777778;
  int dx = static_cast<int>(1.62 * std::cos(beta) * (d[kScaleX] % 40 + 10));
  int dy = static_cast<int>(1.62 * std::sin(beta) * (d[kScaleY] % 40 + 20));
  SeedWhere(6, [](auto d) { return d[kFirstPoint] == 328; });
  RecordingSurface surface;
  DrawFern(surface, kWidth, kHeight, 5);
  ASSERT_FALSE(surface.pixels().empty());
  EXPECT_EQ(surface.pixels()[0].x, column + dx);
  EXPECT_EQ(surface.pixels()[0].y, 7 * kHeight / 8 - dy - lift);
}

}  // namespace
}  // namespace verdant
