#pragma once
// Round-capped lines two or more pixels wide on the frame.
#include <cstdint>

#include "saver/surface/raster_frame.h"

namespace verdant {

// A line width pixels wide (width >= 2) with round caps at both ends. A pixel is painted when
// its centre lies closer than width / 2 to the segment, which runs through pixel centres for
// odd widths and through pixel corners (up and left) for even ones, so that a horizontal or
// vertical line covers exactly width rows or columns.
void DrawWideLine(const Frame& frame, int x0, int y0, int x1, int y1, int width,
                  std::uint32_t color);

}  // namespace verdant
