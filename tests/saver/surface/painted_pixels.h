#pragma once
// What a test sees of a software surface: the pixels that are no longer black.
#include <set>
#include <utility>

#include "saver/surface/software_surface.h"

namespace verdant {

using PixelSet = std::set<std::pair<int, int>>;

inline PixelSet PaintedPixels(const SoftwareSurface& surface) {
  PixelSet painted;
  for (int y = 0; y < surface.Height(); ++y) {
    for (int x = 0; x < surface.Width(); ++x) {
      if (surface.PixelAt(x, y) != 0) painted.insert({x, y});
    }
  }
  return painted;
}

// Draws one line with a fresh pen of the given width in white.
inline void DrawWhiteLine(SoftwareSurface& surface, int x0, int y0, int x1, int y1, int width = 1) {
  const GdiHandle pen = surface.CreatePen(width, RgbColor(255, 255, 255));
  const GdiHandle previous = surface.SelectObject(pen);
  surface.MoveToEx(x0, y0);
  surface.LineTo(x1, y1);
  surface.SelectObject(previous);
  surface.DeleteObject(pen);
}

}  // namespace verdant
