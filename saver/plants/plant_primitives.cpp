#include "saver/plants/plant_primitives.h"

#include "saver/core/random_source.h"
#include "saver/plants/plant_math.h"

namespace verdant {

void DrawSegment(DrawingSurface& surface, double x0, double y0, double x1, double y1, double width,
                 unsigned color) {
  GdiHandle pen = surface.CreatePen(static_cast<int>(width), PaletteIndex(color));
  GdiHandle previous = surface.SelectObject(pen);
  surface.MoveToEx(static_cast<int>(x0), static_cast<int>(y0));
  surface.LineTo(static_cast<int>(x1), static_cast<int>(y1));
  surface.SelectObject(previous);
  surface.DeleteObject(pen);
}

double BranchAngle(double x0, double y0, double x1, double y1, double offset) {
  double dx = x1 - x0;
  double direction;
  if (dx == 0.0) {
    direction = y1 > y0 ? 90.0 : 270.0;
  } else {
    direction = ArcTangent((y1 - y0) / dx) * kRadiansToDegrees;
    if (x1 < x0) direction += 180.0;
  }
  double jitter = (10 - Random() % 20) * 0.1;
  return direction + offset + jitter;
}

}  // namespace verdant
