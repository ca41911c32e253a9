#pragma once
// An icon file (.ico) of square ARGB pictures: each as a 32-bit DIB with its transparency mask,
// which every Windows from XP on reads, or as PNG bytes, which Vista and later read and which
// keep the 256-pixel picture small.
#include <cstdint>
#include <vector>

namespace verdant {

struct IconPicture {
  int size = 0;                     // 1 to 256 pixels a side
  std::vector<std::uint32_t> argb;  // row after row, top first, not premultiplied
  std::vector<std::uint8_t> png;    // when not empty, stored in place of the DIB
};

std::vector<std::uint8_t> EncodeIconFile(const std::vector<IconPicture>& pictures);

}  // namespace verdant
