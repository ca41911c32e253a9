#include "saver/plants/tree_branches.h"

#include "saver/core/random_source.h"
#include "saver/plants/plant_math.h"
#include "saver/plants/plant_primitives.h"

namespace verdant {
namespace {

TreeShape tree_shape;

struct Point {
  double x, y;
};

// The end of a segment from (x0, y0): the nominal step scaled by two random factors of 0.5 to
// 1.4, x first.
Point SegmentEnd(double x0, double y0, double length, double direction) {
  SineCosine angle = SinCos(direction * kDegreesToRadians);
  double x_scale = (Random() % 10 + 5) * 0.1;
  double x1 = x0 + angle.cos * x_scale * length;
  double y_scale = (Random() % 10 + 5) * 0.1;
  double y1 = y0 + angle.sin * y_scale * length;
  return {x1, y1};
}

}  // namespace

TreeShape& CurrentTreeShape() {
  return tree_shape;
}

void DrawForkingBranch(DrawingSurface& surface, double x0, double y0, double width, double length,
                       double direction, int levels, int color) {
  Point end = SegmentEnd(x0, y0, length, direction);
  DrawSegment(surface, x0, y0, end.x, end.y, width, color);
  if (levels <= 1) return;
  double child_width = width * tree_shape.widthRatio;
  double child_length = length * tree_shape.lengthRatio;
  // Each jitter is drawn just before the child it steers.
  double plus = BranchAngle(x0, y0, end.x, end.y, tree_shape.forkAngle);
  DrawForkingBranch(surface, end.x, end.y, child_width, child_length, plus, levels - 1, color + 1);
  double minus = BranchAngle(x0, y0, end.x, end.y, -tree_shape.forkAngle);
  DrawForkingBranch(surface, end.x, end.y, child_width, child_length, minus, levels - 1, color + 1);
}

void DrawLeaderBranch(DrawingSurface& surface, double x0, double y0, double width, double length,
                      double direction, int levels, int color) {
  Point end = SegmentEnd(x0, y0, length, direction);
  if (levels <= 1) return;
  DrawSegment(surface, x0, y0, end.x, end.y, width, color);
  double child_width = width * tree_shape.widthRatio;
  double child_length = length * tree_shape.lengthRatio;
  // The leader keeps the nominal direction; only the side children follow the drawn one.
  DrawLeaderBranch(surface, end.x, end.y, child_width, child_length, direction, levels - 1,
                   color + 1);
  double plus = BranchAngle(x0, y0, end.x, end.y, tree_shape.forkAngle);
  DrawLeaderBranch(surface, end.x, end.y, child_width, child_length, plus, levels - 1, color + 1);
  double minus = BranchAngle(x0, y0, end.x, end.y, -tree_shape.forkAngle);
  DrawLeaderBranch(surface, end.x, end.y, child_width, child_length, minus, levels - 1, color + 1);
}

}  // namespace verdant
