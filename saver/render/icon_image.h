#pragma once
// The program's icon: a plant the saver's own engine draws, shrunk to the sizes desktops and
// Windows ask for. The saver's black background becomes transparent.
#include <array>
#include <cstdint>
#include <vector>

namespace verdant {

inline constexpr int kIconDrawSize = 256;
inline constexpr std::array<int, 7> kIconSizes{16, 24, 32, 48, 64, 128, 256};

// The first tick of a kIconDrawSize square screen, one forest tree in greens from a fixed seed:
// XRGB pixels, row after row.
std::vector<std::uint32_t> DrawIconPlant();

// A square XRGB picture of side `from` shrunk to side `to` (1 to `from`): each pixel the mean of
// the block it covers, black counting as transparent. ARGB pixels, not premultiplied.
std::vector<std::uint32_t> ShrinkToIcon(const std::vector<std::uint32_t>& xrgb, int from, int to);

}  // namespace verdant
