#pragma once
// The command line of verdant-render:
//   --width W --height H --seed S --ticks N [--plant-type P] [--color-choice C]
//   [--bkgnd-tone T] [--delay D] [--number M] [--png FILE] [--trace FILE] | --help
#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <string_view>

namespace verdant {

inline constexpr int kMaxRenderSize = 16384;

struct RenderOptions {
  int width = 0;
  int height = 0;
  std::int64_t seed = 0;
  std::int64_t ticks = 0;
  // The saver settings given, by profile key ("PlantType", …); the others keep their defaults.
  std::map<std::string, int> settings;
  std::string png;
  std::string trace;
  bool help = false;
};

struct ParsedOptions {
  RenderOptions options;
  std::string error;  // one line without the program name; empty when the line is good
};

ParsedOptions ParseRenderOptions(std::span<const std::string_view> args);

// The text of --help.
std::string RenderUsage();

}  // namespace verdant
