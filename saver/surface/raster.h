#pragma once
// The software surface's rasteriser: solid rectangles, one-pixel lines and round-capped wide
// lines on a 32-bit XRGB framebuffer. Everything is clipped to the frame, whatever the end
// points; no intermediate value can overflow.
#include <cstddef>
#include <cstdint>

namespace verdant {

// The pixels of row y start at pixels + y * stride.
struct Frame {
  std::uint32_t* pixels;
  int width;
  int height;
  std::ptrdiff_t stride;
};

// Fills columns [left, right) of rows [top, bottom).
void FillRect(const Frame& frame, std::int64_t left, std::int64_t top, std::int64_t right,
              std::int64_t bottom, std::uint32_t color);

// A one-pixel line from (x0, y0) towards (x1, y1), leaving out the end pixel as GDI does, so
// that chained lines paint each joint once. The pixels inside the frame are the same whether
// or not the line reaches beyond it.
void DrawThinLine(const Frame& frame, int x0, int y0, int x1, int y1, std::uint32_t color);

// A line width pixels wide (width >= 2) with round caps at both ends. A pixel is painted when
// its centre lies closer than width / 2 to the segment, which runs through pixel centres for
// odd widths and through pixel corners (up and left) for even ones, so that a horizontal or
// vertical line covers exactly width rows or columns.
void DrawWideLine(const Frame& frame, int x0, int y0, int x1, int y1, int width,
                  std::uint32_t color);

}  // namespace verdant
