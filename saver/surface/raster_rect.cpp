#include "saver/surface/raster_rect.h"

#include <algorithm>

namespace verdant {

void FillRect(const Frame& frame, std::int64_t left, std::int64_t top, std::int64_t right,
              std::int64_t bottom, std::uint32_t color) {
  left = std::max<std::int64_t>(left, 0);
  top = std::max<std::int64_t>(top, 0);
  right = std::min<std::int64_t>(right, frame.width);
  bottom = std::min<std::int64_t>(bottom, frame.height);
  if (left >= right) return;
  for (std::int64_t y = top; y < bottom; ++y) {
    std::uint32_t* row = frame.pixels + y * frame.stride;
    std::fill(row + left, row + right, color);
  }
}

}  // namespace verdant
