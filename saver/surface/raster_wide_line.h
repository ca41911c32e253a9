#pragma once
// Round-capped lines two or more pixels wide on the frame, shaped as GDI shapes them.
#include <cstdint>

#include "saver/surface/raster_frame.h"

namespace verdant {

// A line width pixels wide (width >= 2) with round caps at both ends, the end point included. A
// horizontal or vertical line covers exactly width rows or columns, the extra one of an even
// width above or left of the end points; a sloped one is about a pixel wider, as under GDI.
void DrawWideLine(const Frame& frame, int x0, int y0, int x1, int y1, int width,
                  std::uint32_t color);

}  // namespace verdant
