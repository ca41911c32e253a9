#include "saver/plants/trees.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "saver/plants/tree_branches.h"
#include "tests/saver/fakes/recording_surface.h"
#include "tests/saver/plants/plant_test_support.h"

namespace verdant {
namespace {

using testing::DrawnLine;
using testing::DrawsTaken;
using testing::RecordingSurface;
using testing::SeedWhere;

using TreeRoutine = void (*)(DrawingSurface&, int, int, int);

// The draws of a tree's start: ground x, ground y, trunk length, exponent, fork angle, levels.
enum StartDraw { kGroundX, kGroundY, kTrunk, kExponent, kForkAngle, kLevels };

void SeedForLevels(int level_rest) {
  SeedWhere(6, [=](auto d) { return d[kLevels] % 7 == level_rest; });
}

int ColorIndex(ColorRef color) {
  return static_cast<int>(color & 0xFFFF);
}

TEST(TreeTest, SmallTreeSegmentsPerLevelCount) {
  const std::map<int, std::size_t> segments{{5, 102},  {6, 247},    {7, 618},   {8, 1603},
                                            {9, 4302}, {10, 11887}, {11, 33618}};
  for (auto [levels, count] : segments) {
    SeedForLevels(levels - 5);
    RecordingSurface surface;
    surface.record_calls = false;
    DrawSmallTree(surface, 1920, 1080, 30);
    EXPECT_EQ(CurrentTreeShape().levels, levels);
    EXPECT_EQ(surface.lines().size(), count) << levels << " levels";
  }
}

TEST(TreeTest, ForestTreeSegmentsPerLevelCount) {
  const std::map<int, std::size_t> segments{{7, 255},   {8, 511},   {9, 1023},  {10, 2047},
                                            {11, 4095}, {12, 8191}, {13, 16383}};
  for (auto [levels, count] : segments) {
    SeedForLevels(levels - 7);
    RecordingSurface surface;
    surface.record_calls = false;
    DrawForestTree(surface, 1920, 1080, 30);
    EXPECT_EQ(CurrentTreeShape().levels, levels);
    EXPECT_EQ(surface.lines().size(), count) << levels << " levels";
  }
}

// A forking call with n levels takes 2 draws per segment and one per child's jitter:
// D(n) = 3 * 2^n - 4; a leader call E(n) = 4 * 3^(n-1) - 2. A forest tree takes 6 + 2 (1 +
// D(n)) = 6 * 2^n draws, a small tree 6 + E(n) + 2 (1 + D(n)).
TEST(TreeTest, DrawsTakenByWholeTrees) {
  RecordingSurface surface;
  surface.record_calls = false;
  for (int rest : {0, 3}) {
    std::uint32_t seed = SeedWhere(6, [=](auto d) { return d[kLevels] % 7 == rest; });
    int forest_levels = 7 + rest;
    EXPECT_EQ(DrawsTaken(seed, [&] { DrawForestTree(surface, 800, 600, 1); }), 6L << forest_levels);
    long n = 5 + rest;
    long leader = 4;
    for (int i = 1; i < n; ++i) leader *= 3;
    EXPECT_EQ(DrawsTaken(seed, [&] { DrawSmallTree(surface, 800, 600, 1); }),
              6 + (leader - 2) + 2 * (1 + 3 * (1L << n) - 4));
  }
}

TEST(TreeTest, OneLevelBranches) {
  CurrentTreeShape() = {12, 5, 0.7, 0.8};
  RecordingSurface surface;
  EXPECT_EQ(DrawsTaken(8, [&] { DrawLeaderBranch(surface, 50, 50, 4, 20, -90, 1, 3); }), 2);
  EXPECT_TRUE(surface.lines().empty());
  EXPECT_EQ(DrawsTaken(8, [&] { DrawForkingBranch(surface, 50, 50, 4, 20, -90, 1, 3); }), 2);
  EXPECT_EQ(surface.lines().size(), 1u);
}

TEST(TreeTest, BranchDrawersFollowTheirCountsAndShades) {
  CurrentTreeShape() = {15, 5, 0.7, 0.8};
  RecordingSurface forking;
  SeedRandom(21);
  DrawForkingBranch(forking, 500, 500, 8, 40, 270, 6, 40);
  EXPECT_EQ(forking.lines().size(), 63u);
  RecordingSurface leader;
  DrawLeaderBranch(leader, 500, 500, 8, 40, 270, 6, 40);
  EXPECT_EQ(leader.lines().size(), 121u);
  for (const auto* surface : {&forking, &leader}) {
    const auto& lines = surface->lines();
    EXPECT_EQ(lines.front().color, PaletteIndex(40));  // a segment comes before its children
    EXPECT_EQ(lines.front().width, 8);
    for (const DrawnLine& line : lines) {
      EXPECT_GE(ColorIndex(line.color), 40);
      EXPECT_LE(ColorIndex(line.color), 45);
    }
  }
}

TEST(TreeTest, GroundPointsOnA640By480Screen) {
  struct Case {
    int x_rest, y_rest, x, y;
  };
  for (Case c : {Case{0, 0, 80, 240}, Case{639, 479, 559, 479}}) {
    SeedWhere(6, [=](auto d) {
      return d[kGroundX] % 640 == c.x_rest && d[kGroundY] % 480 == c.y_rest && d[kLevels] % 7 == 0;
    });
    RecordingSurface surface;
    DrawForestTree(surface, 640, 480, 100);
    const DrawnLine& trunk = surface.lines().front();
    EXPECT_EQ(trunk.x0, c.x);
    EXPECT_EQ(trunk.y0, c.y);
    EXPECT_EQ(trunk.x1, c.x);
  }
}

TEST(TreeTest, ForestTrunkLengthAndPenWidth) {
  struct Case {
    int rest, length, width;
  };
  for (Case c : {Case{0, 30, 3}, Case{59, 89, 9}, Case{17, 47, 5}}) {
    SeedWhere(6, [=](auto d) { return d[kTrunk] % 60 == c.rest && d[kLevels] % 7 == 0; });
    RecordingSurface surface;
    DrawForestTree(surface, 1024, 768, 100);
    const DrawnLine& trunk = surface.lines().front();
    EXPECT_EQ(trunk.y0 - trunk.y1, c.length);
    EXPECT_EQ(trunk.width, c.width);
    EXPECT_EQ(trunk.color, PaletteIndex(100));
  }
}

TEST(TreeTest, ShadesStepUpPerLevelWithoutClamp) {
  SeedForLevels(6);
  RecordingSurface forest;
  forest.record_calls = false;
  DrawForestTree(forest, 1920, 1080, 208);
  auto [low, high] = std::minmax_element(
      forest.lines().begin(), forest.lines().end(),
      [](const auto& a, const auto& b) { return ColorIndex(a.color) < ColorIndex(b.color); });
  EXPECT_EQ(ColorIndex(low->color), 208);
  EXPECT_EQ(ColorIndex(high->color), 221);
  EXPECT_EQ(high->width, 0);  // thinner than a pixel: the surface's thinnest line

  SeedForLevels(2);
  RecordingSurface small;
  small.record_calls = false;
  DrawSmallTree(small, 1920, 1080, 16);
  std::map<int, int> per_shade;
  for (const DrawnLine& line : small.lines()) ++per_shade[ColorIndex(line.color)];
  EXPECT_EQ(per_shade.begin()->first, 17);  // the base colour itself is never drawn
  EXPECT_EQ(per_shade.rbegin()->first, 16 + 7);
}

TEST(TreeTest, SmallTreeLeaderStartsStraightUpFromTheTrunkTop) {
  SeedWhere(6, [](auto d) { return d[kTrunk] % 60 == 10 && d[kLevels] % 7 == 0; });
  RecordingSurface surface;
  DrawSmallTree(surface, 1024, 768, 50);
  const DrawnLine& first = surface.lines().front();
  EXPECT_EQ(first.x1, first.x0);
  EXPECT_LT(first.y1, first.y0);
  EXPECT_EQ(first.color, PaletteIndex(51));
  // The stems start from the ground point, 40 pixels below the leader's start.
  const DrawnLine& stem = surface.lines()[40];
  EXPECT_EQ(stem.x0, first.x0);
  EXPECT_EQ(stem.y0, first.y0 + 40);
}

class TreeInputTest : public testing::PlantInputTest {
 protected:
  // Posts a mouse move when the `line`-th line (1-based) is drawn.
  void InputAtLine(RecordingSurface& surface, std::size_t line) {
    surface.on_call = [this, &surface, line](const testing::SurfaceCall&) {
      if (surface.lines().size() == line && queue.messages.empty()) queue.Post(0x200);
    };
  }
};

TEST_F(TreeInputTest, ForestTreeKeepsTrunkAndFirstStem) {
  SeedForLevels(1);  // 8 levels: 255 segments a stem
  RecordingSurface surface;
  InputAtLine(surface, 2);
  DrawForestTree(surface, 1024, 768, 60);
  EXPECT_EQ(surface.lines().size(), 1u + 255u);
  EXPECT_EQ(queue.messages, std::vector<unsigned>{0x200});
  EXPECT_EQ(surface.LiveObjects(), 0);
  EXPECT_EQ(surface.selected_pen(), RecordingSurface::kStockPen);
}

TEST_F(TreeInputTest, SmallTreeStopsAfterTheLeaderTreeOrAStem) {
  SeedForLevels(1);  // 6 levels: leader tree of 121, stems of 63
  RecordingSurface during_leader;
  InputAtLine(during_leader, 1);
  DrawSmallTree(during_leader, 1024, 768, 60);
  EXPECT_EQ(during_leader.lines().size(), 121u);

  queue.messages.clear();
  SeedForLevels(1);
  RecordingSurface during_stem;
  InputAtLine(during_stem, 122);
  DrawSmallTree(during_stem, 1024, 768, 60);
  EXPECT_EQ(during_stem.lines().size(), 121u + 63u);
  EXPECT_EQ(queue.messages.size(), 1u);
}

TEST_F(TreeInputTest, QuietQueueLetsTheTreeFinish) {
  SeedForLevels(0);
  RecordingSurface surface;
  DrawSmallTree(surface, 1024, 768, 60);
  EXPECT_EQ(surface.lines().size(), 102u);
  EXPECT_EQ(queue.peeked.size(), 4u);  // two checks, mouse then keyboard each
}

}  // namespace
}  // namespace verdant
