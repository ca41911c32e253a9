#pragma once
// The worst cases of each plant kind at 1920 x 1080, each found by its seed: the seed is
// searched for whose first random draws give the wanted shape, so the real generators draw
// them unchanged.
#include <cstdint>
#include <string>
#include <vector>

#include "saver/core/drawing_surface.h"

namespace verdant {

inline constexpr int kBenchWidth = 1920;
inline constexpr int kBenchHeight = 1080;

struct PlantCase {
  std::string name;
  std::uint32_t seed;
  long expected_lines;  // LineTo calls the plant makes; negative when not fixed
  void (*draw)(DrawingSurface& surface, std::uint32_t seed);
};

// Small Tree of 11 levels, Forest Tree of 13 levels with a 9-pixel trunk, the bush of 9
// branches per fan, divisor 1.5, 59 first segments and depth 5, a fern, and a screen of 32
// random plants on the saver's palette.
std::vector<PlantCase> WorstCases();

}  // namespace verdant
