// "Garden Ferns": the attractor of FernMaps, projected obliquely, one pixel per point.
#include "saver/plants/fern.h"

#include "saver/core/random_source.h"
#include "saver/plants/plant_math.h"
#include "saver/plants/plant_primitives.h"

namespace verdant {
namespace {

// Screen directions of the x and y axes of space: 15 and 70 degrees above the horizontal.
constexpr double kXAxisAngle = 0.26179916666666664;
constexpr double kYAxisAngle = 1.2217294444444444;

struct Point3 {
  double x, y, z;
};

const FernMap& ChooseMap(int r) {
  for (const FernMap& map : FernMaps) {
    if (r < map.threshold) return map;
  }
  return FernMaps.back();
}

Point3 Apply(const FernMap& m, const Point3& p) {
  return {m.a * p.x + m.b * p.y + m.c * p.z, m.d * p.x + m.e * p.y + m.f * p.z + m.t,
          m.g * p.x + m.h * p.y + m.k * p.z};
}

// The per-fern projection: axis directions on the screen, scales and the stem's foot.
struct Projection {
  SineCosine x_axis, y_axis, z_axis;
  double scale_x, scale_y;
  int column, base_row, lift;
};

Projection RandomProjection(int width, int height) {
  Projection p;
  p.x_axis = SinCos(kXAxisAngle);
  p.y_axis = SinCos(kYAxisAngle);
  p.z_axis = SinCos((Random() % 180) * kDegreesToRadians);
  p.scale_x = Random() % 40 + 10;
  p.scale_y = Random() % 40 + 20;
  p.column = (Random() % width) * 3 / 4 + width / 8;
  p.lift = (Random() % height) / 2 + height / 8;
  p.base_row = 7 * height / 8;
  return p;
}

}  // namespace

void DrawFern(DrawingSurface& surface, int width, int height, int base_color) {
  if (width <= 0 || height <= 0) return;
  const Projection p = RandomProjection(width, height);
  const ColorRef color = PaletteIndex(base_color);
  Point3 point{0, 0, 0};
  for (int i = 0; i < kFernPoints; ++i) {
    point = Apply(ChooseMap(Random()), point);
    int px = p.column + static_cast<int>(((point.z * p.z_axis.cos + point.x * p.x_axis.cos) +
                                          point.y * p.y_axis.cos) *
                                         p.scale_x);
    int py = p.base_row -
             static_cast<int>(
                 ((point.x * p.x_axis.sin + point.y * p.y_axis.sin) + point.z * p.z_axis.sin) *
                 p.scale_y) -
             p.lift;
    if (px >= 0 && px < width && py >= 0 && py < height) surface.SetPixel(px, py, color);
  }
}

}  // namespace verdant
