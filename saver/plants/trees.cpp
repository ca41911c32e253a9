#include "saver/plants/trees.h"

#include "saver/core/random_source.h"
#include "saver/plants/input_pending.h"
#include "saver/plants/plant_math.h"
#include "saver/plants/plant_primitives.h"
#include "saver/plants/tree_branches.h"

namespace verdant {
namespace {

// What differs between the two kinds in their random start.
struct TreeKind {
  int exponent_choices;  // G = 1.5 + 0.2 * (r % this)
  int angle_choices;     // forkAngle = 10 + 0.5 * (r % this)
  int fewest_levels;     // levels = this + r % 7
};

constexpr TreeKind kSmallTree{3, 10, 5};
constexpr TreeKind kForestTree{5, 25, 7};

// Ground point, trunk and first segments of the stems, as the common start draws them.
struct TreeBase {
  double x, y, top;  // ground point (x, y) and the trunk's top (x, top)
  double trunk_length, trunk_width;
  double stem_width, stem_length;
};

TreeBase StartTree(int width, int height, const TreeKind& kind) {
  int x = (3 * (Random() % width)) / 4 + width / 8;
  int y = (Random() % height) / 2 + height / 2;
  int trunk_length = Random() % 60 + 30;
  double trunk_width = trunk_length * 0.11111111111111112;
  double exponent = (Random() % kind.exponent_choices) * 0.2 + 1.5;
  TreeShape& shape = CurrentTreeShape();
  shape.forkAngle = (Random() % kind.angle_choices) * 0.5 + 10;
  shape.levels = Random() % 7 + kind.fewest_levels;
  shape.widthRatio = Power(0.5, 1.0 / exponent);
  shape.lengthRatio = Power(0.5, 2.0 / (3.0 * exponent));
  return {static_cast<double>(x),
          static_cast<double>(y),
          static_cast<double>(y - trunk_length),
          static_cast<double>(trunk_length),
          trunk_width,
          trunk_width * shape.widthRatio,
          trunk_length * shape.lengthRatio};
}

// One forking stem from (x, y), turned from the trunk's line by `side` times the fork angle.
void DrawStem(DrawingSurface& surface, const TreeBase& tree, double x, double y, int side,
              int color) {
  const TreeShape& shape = CurrentTreeShape();
  double direction = BranchAngle(tree.x, tree.y, tree.x, tree.top, side * shape.forkAngle);
  DrawForkingBranch(surface, x, y, tree.stem_width, tree.stem_length, direction, shape.levels,
                    color + 1);
}

}  // namespace

void DrawSmallTree(DrawingSurface& surface, int width, int height, int base_color) {
  if (width <= 0 || height <= 0) return;
  TreeBase tree = StartTree(width, height, kSmallTree);
  DrawLeaderBranch(surface, tree.x, tree.top, tree.stem_width, tree.stem_length, -90,
                   CurrentTreeShape().levels, base_color + 1);
  if (InputPending()) return;
  DrawStem(surface, tree, tree.x, tree.y, +1, base_color);
  if (InputPending()) return;
  DrawStem(surface, tree, tree.x, tree.y, -1, base_color);
}

void DrawForestTree(DrawingSurface& surface, int width, int height, int base_color) {
  if (width <= 0 || height <= 0) return;
  TreeBase tree = StartTree(width, height, kForestTree);
  DrawSegment(surface, tree.x, tree.y, tree.x, tree.top, tree.trunk_width, base_color);
  DrawStem(surface, tree, tree.x, tree.top, +1, base_color);
  if (InputPending()) return;
  DrawStem(surface, tree, tree.x, tree.top, -1, base_color);
}

}  // namespace verdant
