#include "saver/render/render_options.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <vector>

namespace verdant {
namespace {

enum class Field { kWidth, kHeight, kSeed, kTicks, kPng, kTrace, kSetting };

struct OptionRule {
  std::string_view name;
  Field field;
  const char* key;  // the profile key of a saver setting
};

constexpr OptionRule kOptions[] = {
    {"--width", Field::kWidth, nullptr},
    {"--height", Field::kHeight, nullptr},
    {"--seed", Field::kSeed, nullptr},
    {"--ticks", Field::kTicks, nullptr},
    {"--png", Field::kPng, nullptr},
    {"--trace", Field::kTrace, nullptr},
    {"--plant-type", Field::kSetting, "PlantType"},
    {"--color-choice", Field::kSetting, "ColorChoice"},
    {"--bkgnd-tone", Field::kSetting, "BkgndTone"},
    {"--delay", Field::kSetting, "Delay"},
    {"--number", Field::kSetting, "Number"},
};
constexpr std::string_view kRequired[] = {"--width", "--height", "--seed", "--ticks"};

const OptionRule* FindOption(std::string_view name) {
  auto found = std::find_if(std::begin(kOptions), std::end(kOptions),
                            [name](const OptionRule& rule) { return rule.name == name; });
  return found == std::end(kOptions) ? nullptr : found;
}

// Decimal digits with an optional minus sign, nothing else, within the type's range.
template <typename Int>
std::optional<Int> ParseInteger(std::string_view text) {
  Int value{};
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
  return value;
}

// The error of one option with its value, or empty when it is taken.
template <typename Int>
std::string Take(const OptionRule& rule, std::string_view value, Int& target) {
  const std::optional<Int> number = ParseInteger<Int>(value);
  if (!number) return std::string(rule.name) + " is not a number: " + std::string(value);
  target = *number;
  return {};
}

std::string TakeSize(const OptionRule& rule, std::string_view value, int& target) {
  std::string error = Take(rule, value, target);
  if (error.empty() && (target < 1 || target > kMaxRenderSize)) {
    error = std::string(rule.name) + " must be 1 to 16384: " + std::string(value);
  }
  return error;
}

std::string TakeOption(const OptionRule& rule, std::string_view value, RenderOptions& options) {
  switch (rule.field) {
    case Field::kWidth:
      return TakeSize(rule, value, options.width);
    case Field::kHeight:
      return TakeSize(rule, value, options.height);
    case Field::kSeed:
      return Take(rule, value, options.seed);
    case Field::kTicks: {
      std::string error = Take(rule, value, options.ticks);
      if (error.empty() && options.ticks < 0) {
        error = std::string(rule.name) + " must not be negative: " + std::string(value);
      }
      return error;
    }
    case Field::kPng:
      options.png = value;
      return {};
    case Field::kTrace:
      options.trace = value;
      return {};
    case Field::kSetting:
      return Take(rule, value, options.settings[rule.key]);
  }
  return {};
}

}  // namespace

ParsedOptions ParseRenderOptions(std::span<const std::string_view> args) {
  ParsedOptions parsed;
  if (std::find(args.begin(), args.end(), "--help") != args.end()) {
    parsed.options.help = true;
    return parsed;
  }
  std::vector<std::string_view> seen;
  for (std::size_t i = 0; i < args.size() && parsed.error.empty(); i += 2) {
    const OptionRule* rule = FindOption(args[i]);
    if (!rule) {
      parsed.error = "unknown option: " + std::string(args[i]);
    } else if (i + 1 == args.size()) {
      parsed.error = std::string(rule->name) + " needs a value";
    } else {
      parsed.error = TakeOption(*rule, args[i + 1], parsed.options);
      seen.push_back(rule->name);
    }
  }
  for (const std::string_view name : kRequired) {
    if (!parsed.error.empty()) break;
    if (std::find(seen.begin(), seen.end(), name) == seen.end()) {
      parsed.error = "missing " + std::string(name);
    }
  }
  return parsed;
}

std::string RenderUsage() {
  return "Usage: verdant-render --width W --height H --seed S --ticks N [options]\n"
         "Runs the Verdant Drift saver off screen: creates its window on a W x H screen with\n"
         "the random source seeded with S (in place of the clock), then runs N timer ticks\n"
         "with no input waiting, and writes the last frame and/or a trace of every drawing.\n"
         "\n"
         "  --width W, --height H  screen size in pixels, 1 to 16384\n"
         "  --seed S               the seed (seconds since 1970 in the saver)\n"
         "  --ticks N              timer ticks to run, 0 or more\n"
         "  --plant-type P         0 ferns, 1 bushes, 2 forest trees, 3 small trees,\n"
         "                         4 random (default)\n"
         "  --color-choice C       0 grays .. 6 magentas, 7 rainbow (default), 8 cycle,\n"
         "                         9 pastel\n"
         "  --bkgnd-tone T         0 black (default) .. 10 all colors\n"
         "  --delay D              pause ticks after a full screen (default 5)\n"
         "  --number M             plants per screen (default 32)\n"
         "  --png FILE             write the final frame as PNG\n"
         "  --trace FILE           write the drawing trace\n"
         "  --help                 show this text\n"
         "\n"
         "Bad options give a one-line error and exit code 2.\n";
}

}  // namespace verdant
