#include "saver/plants/bush.h"

#include <gtest/gtest.h>

#include <map>
#include <span>
#include <utility>
#include <vector>

#include "tests/saver/fakes/recording_surface.h"
#include "tests/saver/plants/plant_test_support.h"

namespace verdant {
namespace {

using testing::RecordingSurface;
using testing::SeedWhere;
using testing::SurfaceOp;

// Draws of a bush's start: root x, root y, branch count, divisor, segment length, first
// segment count, depth limit; then the root fan's width and the turns of its first branch.
enum BushDraw {
  kRootX,
  kRootY,
  kBranches,
  kDivisor,
  kLength,
  kFirstCount,
  kDepth,
  kFanWidth,
  kFirstTurn,
  kSecondTurn
};

const ColorRef kLevelColors[5] = {RgbColor(0, 127, 0), RgbColor(0, 192, 0), RgbColor(192, 0, 0),
                                  RgbColor(0, 255, 255), RgbColor(255, 255, 0)};

// Four branches a fan, divisor 3.4, 30 segments in the root fan, depth limit 5.
void SeedForExampleBush() {
  SeedWhere(7, [](auto d) {
    return d[kBranches] % 6 == 0 && d[kDivisor] % 20 == 19 && d[kFirstCount] % 30 == 0 &&
           d[kDepth] % 3 == 2;
  });
}

// Four branches a fan, 4.4-pixel segments.
bool FourBranchesOfLongSegments(std::span<const int> d) {
  return d[kBranches] % 6 == 0 && d[kLength] % 30 == 29;
}

// A bush drawn after another starts again at level 1, whichever way the one before ended.
void ExpectNextBushStartsAtLevelOne() {
  SeedWhere(1, [](auto) { return true; });
  RecordingSurface next;
  DrawBush(next, 800, 600, 0);
  ASSERT_FALSE(next.lines().empty());
  EXPECT_EQ(next.lines().front().color, kLevelColors[0]);
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
  auto lines = LinesPerColor(surface);
  EXPECT_EQ(lines[kLevelColors[0]], 4 * 30);
  EXPECT_EQ(lines[kLevelColors[1]], 16 * 8);
  EXPECT_EQ(lines[kLevelColors[2]], 64 * 2);
  EXPECT_EQ(lines.size(), 3u);  // levels 4 and 5 have no segments
  // Every branch of every fan starts with a move to its node, empty branches included.
  EXPECT_EQ(surface.CountOf(SurfaceOp::kMoveToEx), 4u + 16u + 64u + 256u + 1024u);
  ExpectNextBushStartsAtLevelOne();
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

TEST(BushTest, SixtyDegreeRootFanOfFourBranches) {
  SeedWhere(kFanWidth + 1,
            [](auto d) { return FourBranchesOfLongSegments(d) && d[kFanWidth] % 120 == 0; });
  RecordingSurface surface;
  DrawBush(surface, 1024, 768, 0);
  const auto& node = surface.calls()[5];
  ASSERT_EQ(node.op, SurfaceOp::kMoveToEx);
  // The first segment of each root branch, at -30, -10, +10 and +30 degrees from straight up;
  // sin of 30 degrees with pi as 3.14159 falls just short of one half.
  std::vector<std::pair<int, int>> first_ends;
  for (const auto& line : surface.lines()) {
    if (line.x0 == node.x && line.y0 == node.y) first_ends.emplace_back(line.x1, line.y1);
  }
  const std::vector<std::pair<int, int>> expected{{node.x - 3, node.y - 4},
                                                  {node.x - 1, node.y - 5},
                                                  {node.x, node.y - 5},
                                                  {node.x + 2, node.y - 4}};
  EXPECT_EQ(first_ends, expected);
}

TEST(BushTest, ASegmentsDrawSteersTheNextOne) {
  // The first root branch, at -30 degrees: its first turn left (a draw % 100 below 50) or
  // right, its second left; the third segment ends apart.
  for (auto [turn, end] : {std::pair{49, std::pair{-8, -11}}, std::pair{50, std::pair{-7, -12}}}) {
    // Copied by name: clang 14 cannot capture a structured binding.
    SeedWhere(kSecondTurn + 1, [t = turn](auto d) {
      return FourBranchesOfLongSegments(d) && d[kFanWidth] % 120 == 0 && d[kFirstTurn] % 100 == t &&
             d[kSecondTurn] % 100 < 50;
    });
    RecordingSurface surface;
    DrawBush(surface, 1024, 768, 0);
    const auto& node = surface.calls()[5];
    ASSERT_GE(surface.lines().size(), 3u);
    EXPECT_EQ(surface.lines()[2].x1 - node.x, end.first) << turn;
    EXPECT_EQ(surface.lines()[2].y1 - node.y, end.second) << turn;
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
  EXPECT_EQ(surface.CountOf(SurfaceOp::kDeleteObject), 5u);
  EXPECT_EQ(surface.LiveObjects(), 0);
  EXPECT_EQ(queue.messages, std::vector<unsigned>{0x100});
  queue.messages.clear();
  ExpectNextBushStartsAtLevelOne();
}

}  // namespace
}  // namespace verdant
