#pragma once
// The fern's iterated function system: four affine maps of space, each chosen while a random
// draw stays below its threshold.
#include <array>

#include "saver/core/drawing_surface.h"

namespace verdant {

struct FernMap {
  int threshold;  // chosen when the draw is below this and not below the previous threshold
  // x' = a x + b y + c z;  y' = d x + e y + f z + t;  z' = g x + h y + k z
  double a, b, c, d, e, f, t, g, h, k;
};

inline constexpr std::array<FernMap, 4> FernMaps{{
    {328, 0, 0, 0, 0, 0.18, 0, 0, 0, 0, 0},
    {27879, 0.83, 0, 0, 0, 0.86, 0.1, 1.62, 0, -0.12, 0.84},
    {30173, 0.22, -0.23, 0, 0.24, 0.22, 0, 0.82, 0, 0, 0.32},
    {32768, -0.22, 0.23, 0, 0.24, 0.22, 0, 0.82, 0, 0, 0.32},
}};

inline constexpr int kFernPoints = 10000;

// One fern of kFernPoints pixels in palette entry base_color, at a random place, size and turn.
void DrawFern(DrawingSurface& surface, int width, int height, int base_color);

}  // namespace verdant
