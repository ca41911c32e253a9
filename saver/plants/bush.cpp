#include "saver/plants/bush.h"

#include <algorithm>
#include <array>

#include "saver/core/random_source.h"
#include "saver/plants/input_pending.h"
#include "saver/plants/plant_math.h"
#include "saver/plants/plant_primitives.h"

namespace verdant {
namespace {

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

struct PenStyle {
  int width;
  ColorRef color;
};

constexpr std::array<PenStyle, kBushLevels> kPenStyles{{
    {3, RgbColor(0, 127, 0)},
    {2, RgbColor(0, 192, 0)},
    {1, RgbColor(192, 0, 0)},
    {1, RgbColor(0, 255, 255)},
    {1, RgbColor(255, 255, 0)},
}};

BushParams bush_params;
BushPens bush_pens{};
int bush_depth = 0;

void DrawBushParams() {
  bush_params.branchCount = Random() % 6 + 4;
  bush_params.divisor = (Random() % 20) * 0.1 + 1.5;
  bush_params.segmentLength = (Random() % 30) * 0.1 + 1.5;
  bush_params.firstSegmentCount = Random() % 30 + 30;
  bush_params.depthLimit = Random() % 3 + 3;
}

void GrowBranch(DrawingSurface& surface, int n, double a, double x, double y);

void MakeBushPens(DrawingSurface& surface) {
  for (int level = 0; level < kBushLevels; ++level) {
    bush_pens[level] = surface.CreatePen(kPenStyles[level].width, kPenStyles[level].color);
  }
}

void DeleteBushPens(DrawingSurface& surface) {
  for (GdiHandle& pen : bush_pens) {
    surface.DeleteObject(pen);
    pen = 0;
  }
}

// One fan of branchCount branches of n segments from the node (x, y), spread around straight
// up; returns early when input is pending after a branch.
void SproutFan(DrawingSurface& surface, int n, double x, double y) {
  double fan_width = (Random() % 120 + 60) * kDegreesToRadians;
  int count = bush_params.branchCount;
  int node_x = static_cast<int>(x);
  int node_y = static_cast<int>(y);
  for (int i = 0; i < count; ++i) {
    double heading = fan_width * (static_cast<double>(i) / (count - 1) - 0.5);
    surface.MoveToEx(node_x, node_y);
    ++bush_depth;
    GrowBranch(surface, n, heading, x, y);
    --bush_depth;
    if (InputPending()) return;
  }
}

// One branch of n segments from (x, y) with heading a (radians from straight up) in the pen of
// the current level, then, below the depth limit, the fan at its tip.
void GrowBranch(DrawingSurface& surface, int n, double a, double x, double y) {
  // Levels past the pens (only possible with hand-set parameters) keep the last pen.
  int level = std::clamp(bush_depth, 1, kBushLevels);
  GdiHandle previous = surface.SelectObject(bush_pens[level - 1]);
  for (int i = 0; i < n; ++i) {
    // The draw of this segment steers the next one.
    int turn = Random() % 100 < bush_params.turnBias ? -1 : 1;
    SineCosine heading = SinCos(a);
    x = x + heading.sin * bush_params.segmentLength;
    y = y - heading.cos * bush_params.segmentLength;
    surface.LineTo(static_cast<int>(x), static_cast<int>(y));
    a = a + turn * bush_params.turnAngle;
  }
  surface.SelectObject(previous);
  if (bush_depth < bush_params.depthLimit) {
    SproutFan(surface, static_cast<int>(n / bush_params.divisor), x, y);
  }
}

}  // namespace

void DrawBush(DrawingSurface& surface, int width, int height, int /*base_color*/) {
  if (width <= 0 || height <= 0) return;
  MakeBushPens(surface);
  int r1 = Random();
  int r2 = Random();
  DrawBushParams();
  int x0 = (r1 % width) * 3 / 4 + width / 8;
  int y0 = (r2 % height) / 2 + height / 2;
  SproutFan(surface, bush_params.firstSegmentCount, x0, y0);
  DeleteBushPens(surface);
}

}  // namespace verdant
