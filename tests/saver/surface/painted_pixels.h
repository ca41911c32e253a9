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

// The pixels a line paints inside a size x size frame, and those the same line paints in the
// matching window of a frame big enough to hold it whole: clipping must not change them.
inline PixelSet LineInFrame(int x0, int y0, int x1, int y1, int size, int width = 1) {
  SoftwareSurface surface(size, size);
  DrawWhiteLine(surface, x0, y0, x1, y1, width);
  return PaintedPixels(surface);
}

inline PixelSet WholeLineWindow(int x0, int y0, int x1, int y1, int size, int width = 1) {
  constexpr int kMargin = 200;
  SoftwareSurface whole(size + 2 * kMargin, size + 2 * kMargin);
  DrawWhiteLine(whole, x0 + kMargin, y0 + kMargin, x1 + kMargin, y1 + kMargin, width);
  PixelSet window;
  for (const auto& [x, y] : PaintedPixels(whole)) {
    if (x >= kMargin && x < kMargin + size && y >= kMargin && y < kMargin + size) {
      window.insert({x - kMargin, y - kMargin});
    }
  }
  return window;
}

}  // namespace verdant
