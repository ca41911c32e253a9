#include "saver/plants/bush.h"

#include <gtest/gtest.h>

#include <map>

#include "tests/saver/fakes/recording_surface.h"
#include "tests/saver/plants/plant_test_support.h"

namespace verdant {
namespace {

using testing::RecordingSurface;
using testing::SeedWhere;
using testing::SurfaceOp;

// Draws of a bush's start: root x, root y, branch count, divisor, segment length, first
// segment count, depth limit.
enum BushDraw { kRootX, kRootY, kBranches, kDivisor, kLength, kFirstCount, kDepth };

const ColorRef kLevelColors[5] = {RgbColor(0, 127, 0), RgbColor(0, 192, 0), RgbColor(192, 0, 0),
                                  RgbColor(0, 255, 255), RgbColor(255, 255, 0)};

// Four branches a fan, divisor 3.4, 30 segments in the root fan, depth limit 5.
void SeedForExampleBush() {
  SeedWhere(7, [](auto d) {
    return d[kBranches] % 6 == 0 && d[kDivisor] % 20 == 19 && d[kFirstCount] % 30 == 0 &&
           d[kDepth] % 3 == 2;
  });
}

std::map<ColorRef, int> LinesPerColor(const RecordingSurface& surface) {
  std::map<ColorRef, int> lines;
  for (const auto& line : surface.lines()) ++lines[line.color];
  return lines;
}

TEST(BushTest, SegmentsPerLevelShrinkByTheDivisor) {
  SeedForExampleBush();
  RecordingSurface surface;
  DrawBush(surface, 1024, 768, 99);
  EXPECT_EQ(CurrentBushParams().branchCount, 4);
  auto lines = LinesPerColor(surface);
  EXPECT_EQ(lines[kLevelColors[0]], 4 * 30);
  EXPECT_EQ(lines[kLevelColors[1]], 16 * 8);
  EXPECT_EQ(lines[kLevelColors[2]], 64 * 2);
  EXPECT_EQ(lines.size(), 3u);  // levels 4 and 5 have no segments
  // Every branch of every fan starts with a move to its node, empty branches included.
  EXPECT_EQ(surface.CountOf(SurfaceOp::kMoveToEx), 4u + 16u + 64u + 256u + 1024u);
  EXPECT_EQ(BushDepth(), 0);
}

TEST(BushTest, PensMadeOncePerBushAndNothingLeftSelected) {
  SeedWhere(7, [](auto d) { return d[kDepth] % 3 == 0; });
  RecordingSurface surface;
  DrawBush(surface, 800, 600, 0);
  ASSERT_EQ(surface.CountOf(SurfaceOp::kCreatePen), 5u);
  for (int level = 0; level < 5; ++level) {
    const auto& call = surface.calls()[level];
    EXPECT_EQ(call.op, SurfaceOp::kCreatePen);
    EXPECT_EQ(call.color, kLevelColors[level]);
    EXPECT_EQ(call.x, level == 0 ? 3 : level == 1 ? 2 : 1);
  }
  EXPECT_EQ(surface.CountOf(SurfaceOp::kDeleteObject), 5u);
  EXPECT_EQ(surface.LiveObjects(), 0);
  EXPECT_EQ(surface.selected_pen(), RecordingSurface::kStockPen);
  // Depth limit 3: the cyan and yellow pens are never selected.
  auto lines = LinesPerColor(surface);
  EXPECT_EQ(lines.count(kLevelColors[3]) + lines.count(kLevelColors[4]), 0u);
  for (const auto& call : surface.calls()) {
    if (call.op != SurfaceOp::kSelectObject) continue;
    EXPECT_NE(call.handle, surface.calls()[3].handle);
    EXPECT_NE(call.handle, surface.calls()[4].handle);
  }
}

TEST(BushTest, RootInTheLowerHalfWithinTheMiddleThreeQuarters) {
  SeedWhere(7, [](auto d) { return d[kRootX] % 800 == 799 && d[kRootY] % 600 == 0; });
  RecordingSurface surface;
  DrawBush(surface, 800, 600, 0);
  const auto& first_move = surface.calls()[5];
  ASSERT_EQ(first_move.op, SurfaceOp::kMoveToEx);
  EXPECT_EQ(first_move.x, 799 * 3 / 4 + 100);
  EXPECT_EQ(first_move.y, 300);
}

class BushFanTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CurrentBushParams() = {4, 2.0, 100.0, 1, 1};
    MakeBushPens(surface);
  }
  void TearDown() override { DeleteBushPens(surface); }
  RecordingSurface surface;
};

TEST_F(BushFanTest, SixtyDegreeFanOfFourBranches) {
  SeedWhere(1, [](auto d) { return d[0] % 120 == 0; });
  SproutFan(surface, 1, 500, 500);
  // Headings -30, -10, +10, +30 degrees from straight up, one 100-pixel segment each.
  ASSERT_EQ(surface.lines().size(), 4u);
  EXPECT_EQ(surface.lines()[0], (testing::DrawnLine{500, 500, 450, 413, 3, kLevelColors[0]}));
  EXPECT_EQ(surface.lines()[1], (testing::DrawnLine{500, 500, 482, 401, 3, kLevelColors[0]}));
  EXPECT_EQ(surface.lines()[2], (testing::DrawnLine{500, 500, 517, 401, 3, kLevelColors[0]}));
  // sin of 30 degrees with pi as 3.14159 falls just short of one half.
  EXPECT_EQ(surface.lines()[3], (testing::DrawnLine{500, 500, 549, 413, 3, kLevelColors[0]}));
}

TEST_F(BushFanTest, ASegmentsDrawSteersTheNextOne) {
  CurrentBushParams().depthLimit = 0;
  for (auto [rest, x] : {std::pair{49, 490}, std::pair{50, 509}}) {
    // Copied by name: clang 14 cannot capture a structured binding.
    SeedWhere(1, [r = rest](auto d) { return d[0] % 100 == r; });
    RecordingSurface branch;
    GrowBranch(branch, 2, 0.0, 500, 500);
    ASSERT_EQ(branch.lines().size(), 2u);
    EXPECT_EQ(branch.lines()[0].x1, 500);  // the first segment goes straight up
    EXPECT_EQ(branch.lines()[0].y1, 400);
    EXPECT_EQ(branch.lines()[1].x1, x);
  }
}

using BushInputTest = testing::PlantInputTest;

TEST_F(BushInputTest, InputDuringTheFirstBranchLeavesOneBranchPerLevel) {
  SeedForExampleBush();
  RecordingSurface surface;
  surface.on_call = [&](const testing::SurfaceCall& call) {
    if (call.op == SurfaceOp::kLineTo && queue.messages.empty()) queue.Post(0x100);
  };
  DrawBush(surface, 1024, 768, 0);
  EXPECT_EQ(surface.lines().size(), 30u + 8u + 2u);
  EXPECT_EQ(surface.CountOf(SurfaceOp::kMoveToEx), 5u);  // the first branch of each fan
  EXPECT_EQ(BushDepth(), 0);
  EXPECT_EQ(surface.CountOf(SurfaceOp::kDeleteObject), 5u);
  EXPECT_EQ(surface.LiveObjects(), 0);
  EXPECT_EQ(queue.messages, std::vector<unsigned>{0x100});
}

}  // namespace
}  // namespace verdant
