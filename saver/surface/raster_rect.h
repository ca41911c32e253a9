#pragma once
// Solid rectangles on the frame.
#include <cstdint>

#include "saver/surface/raster_frame.h"

namespace verdant {

// Fills columns [left, right) of rows [top, bottom).
void FillRect(const Frame& frame, std::int64_t left, std::int64_t top, std::int64_t right,
              std::int64_t bottom, std::uint32_t color);

}  // namespace verdant
