#include "saver/palettes/background_ramp.h"

#include <algorithm>
#include <array>

#include "saver/core/random_source.h"
#include "saver/core/saver_constants.h"
#include "saver/palettes/palette_block.h"

namespace verdant {
namespace {

constexpr int kNone = -1;
constexpr int kRedStep = 0;
constexpr int kGreenStep = 1;
constexpr int kBlueStep = 2;

// Which of the three random steps ramps red, green and blue, for tones 1 to 10.
constexpr std::array<std::array<int, 3>, kBackgroundTones> kToneSteps{{
    {kNone, kNone, kNone},              // 0 Black
    {kRedStep, kNone, kNone},           // 1 Red
    {kRedStep, kRedStep, kNone},        // 2 Yellow
    {kNone, kGreenStep, kNone},         // 3 Green
    {kNone, kGreenStep, kGreenStep},    // 4 Cyan
    {kNone, kNone, kBlueStep},          // 5 Blue
    {kBlueStep, kNone, kBlueStep},      // 6 Magenta
    {kNone, kGreenStep, kBlueStep},     // 7 Blue/Green
    {kRedStep, kGreenStep, kNone},      // 8 Green/Red
    {kRedStep, kNone, kBlueStep},       // 9 Red/Blue
    {kRedStep, kGreenStep, kBlueStep},  // 10 All Colors
}};

// 3 + i * step in 8-bit arithmetic; 0 for a channel that does not ramp.
std::uint8_t RampLevel(int step_kind, const std::array<int, 3>& steps, int i) {
  if (step_kind == kNone) return 0;
  return static_cast<std::uint8_t>(3 + i * steps[step_kind]);
}

}  // namespace

void FillBackgroundRamp(DrawingSurface& surface, GdiHandle palette, int count, int first,
                        int tone) {
  // The steps are drawn whatever the tone, so the random sequence never depends on it.
  std::array<int, 3> steps{};
  for (int& step : steps) step = Random() % 5;
  const auto& ramp = kToneSteps[tone > kBlackTone && tone <= kAllColorsTone ? tone : kBlackTone];
  // Stay inside the palette whatever range a caller asks for.
  first = std::clamp(first, 0, kPaletteSize);
  count = std::clamp(count, 0, kPaletteSize - first);
  if (palette == 0) return;
  PaletteBlock scratch = BlackBlock();
  for (int i = 0; i < count; ++i) {
    scratch[i] = {RampLevel(ramp[0], steps, i), RampLevel(ramp[1], steps, i),
                  RampLevel(ramp[2], steps, i), kPcReserved};
  }
  surface.SetPaletteEntries(palette, first, std::span(scratch).first(count));
}

}  // namespace verdant
