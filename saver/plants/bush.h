#pragma once
// "Flowering Bushes": fans of wandering branches, each fan opening at the tip of a branch of
// the fan before, down to a depth limit. Module state lives for one bush at a time.
#include <array>

#include "saver/core/drawing_surface.h"

namespace verdant {

struct BushParams {
  int branchCount = 0;        // branches per fan
  double divisor = 0;         // a tip's fan gets the branch's segment count / this
  double segmentLength = 0;   // pixels per segment
  int firstSegmentCount = 0;  // segments of each branch of the root fan
  int depthLimit = 0;         // deepest level drawn
  double turnAngle = 0.1;     // heading change per segment, radians
  int turnBias = 50;          // r % 100 below this turns left
};

inline constexpr int kBushLevels = 5;

// Level 1 (the root fan's branches) to 5: dark green, green, dark red, cyan, yellow.
using BushPens = std::array<GdiHandle, kBushLevels>;

// The parameters of the bush being drawn (or of the last one).
BushParams& CurrentBushParams();
// The current level: 0 between bushes.
int BushDepth();

// A bush of random parameters standing in the lower half of the screen, in its own five pens
// (base_color is not used); returns early when input is pending after a branch.
void DrawBush(DrawingSurface& surface, int width, int height, int base_color);

void MakeBushPens(DrawingSurface& surface);
void DeleteBushPens(DrawingSurface& surface);

// One fan of branchCount branches of n segments from the node (x, y), spread around straight
// up; returns early when input is pending after a branch.
void SproutFan(DrawingSurface& surface, int n, double x, double y);
// One branch of n segments from (x, y) with heading a (radians from straight up) in the pen of
// the current level, then, below the depth limit, the fan at its tip.
void GrowBranch(DrawingSurface& surface, int n, double a, double x, double y);

}  // namespace verdant
