#pragma once
// The recursive branch drawers of the trees and the shape they share while one tree is drawn.
#include "saver/core/drawing_surface.h"

namespace verdant {

struct TreeShape {
  double forkAngle = 0;    // degrees a side child turns from its parent, before jitter
  int levels = 0;          // levels handed to each top-level branch drawer
  double widthRatio = 0;   // child width / parent width = 0.5^(1/G)
  double lengthRatio = 0;  // child length / parent length = 0.5^(2/(3G))
};

// The shape of the tree being drawn (or of the last one): set by each tree routine at its
// start, read by the branch drawers at every level.
TreeShape& CurrentTreeShape();

// Every segment forks into a + and a - child: 2^levels - 1 segments.
void DrawForkingBranch(DrawingSurface& surface, double x0, double y0, double width, double length,
                       double direction, int levels, int color);

// Every segment has a straight leader and two side children: (3^(levels-1) - 1) / 2
// segments; one level left draws nothing but still takes its two draws.
void DrawLeaderBranch(DrawingSurface& surface, double x0, double y0, double width, double length,
                      double direction, int levels, int color);

}  // namespace verdant
