#include "saver/palettes/palette_layouts.h"

#include <array>

#include "saver/palettes/palette_block.h"

namespace verdant {
namespace {

// The channel formulas of the layouts; each layout gives its own meaning to a shade in k.
enum Shade : std::uint8_t { kZero, kFull, kDark, kLight, kHalf, kMid, kPale, kSoft };

struct Family {
  Shade red, green, blue;
};

// 13 families of 16 shades: D = 255 - 8k, L = 8k + 7.
constexpr std::array<Family, 13> kStandardFamilies{{
    {kDark, kDark, kDark},
    {kZero, kZero, kDark},
    {kLight, kLight, kFull},
    {kZero, kDark, kDark},
    {kLight, kFull, kFull},
    {kZero, kDark, kZero},
    {kLight, kFull, kLight},
    {kDark, kDark, kZero},
    {kFull, kFull, kLight},
    {kDark, kZero, kZero},
    {kFull, kLight, kLight},
    {kDark, kZero, kDark},
    {kFull, kLight, kFull},
}};

// 25 families of 8 shades: D = 255 - 16k, L = 16k + 15, H = D / 2, M = 133 + 8k.
constexpr std::array<Family, 25> kRainbowFamilies{{
    {kDark, kDark, kDark}, {kZero, kZero, kDark}, {kLight, kLight, kFull}, {kZero, kHalf, kDark},
    {kLight, kMid, kFull}, {kZero, kDark, kDark}, {kLight, kFull, kFull},  {kZero, kDark, kHalf},
    {kLight, kFull, kMid}, {kZero, kDark, kZero}, {kLight, kFull, kLight}, {kHalf, kDark, kZero},
    {kMid, kFull, kLight}, {kDark, kDark, kZero}, {kFull, kFull, kLight},  {kDark, kHalf, kZero},
    {kFull, kMid, kLight}, {kDark, kZero, kZero}, {kFull, kLight, kLight}, {kDark, kZero, kHalf},
    {kFull, kLight, kMid}, {kDark, kZero, kDark}, {kFull, kLight, kFull},  {kHalf, kZero, kDark},
    {kMid, kLight, kFull},
}};

// 13 families of 16 shades: P = 135 + 8k, Q = 16k + 15.
constexpr std::array<Family, 13> kPastelFamilies{{
    {kPale, kPale, kPale},
    {kPale, kPale, kFull},
    {kPale, kSoft, kFull},
    {kPale, kFull, kFull},
    {kPale, kFull, kSoft},
    {kPale, kFull, kPale},
    {kSoft, kFull, kPale},
    {kFull, kFull, kPale},
    {kFull, kSoft, kPale},
    {kFull, kPale, kPale},
    {kFull, kPale, kSoft},
    {kFull, kPale, kFull},
    {kSoft, kPale, kFull},
}};

int StandardLevel(Shade shade, int k) {
  switch (shade) {
    case kDark:
      return 255 - 8 * k;
    case kLight:
      return 8 * k + 7;
    case kFull:
      return 255;
    default:
      return 0;
  }
}

int RainbowLevel(Shade shade, int k) {
  switch (shade) {
    case kDark:
      return 255 - 16 * k;
    case kLight:
      return 16 * k + 15;
    case kHalf:
      return (255 - 16 * k) / 2;
    case kMid:
      return 133 + 8 * k;
    case kFull:
      return 255;
    default:
      return 0;
  }
}

int PastelLevel(Shade shade, int k) {
  switch (shade) {
    case kPale:
      return 135 + 8 * k;
    case kSoft:
      return 16 * k + 15;
    case kFull:
      return 255;
    default:
      return 0;
  }
}

// Entry 1 + family * shades + k of each family, from the layout's shade formulas.
template <std::size_t Families>
GdiHandle MakeLayout(DrawingSurface& surface, const std::array<Family, Families>& families,
                     int shades, int (*level)(Shade, int)) {
  PaletteBlock block = BlackBlock();
  for (std::size_t family = 0; family < Families; ++family) {
    const Family& f = families[family];
    for (int k = 0; k < shades; ++k) {
      block[1 + family * shades + k] = {static_cast<std::uint8_t>(level(f.red, k)),
                                        static_cast<std::uint8_t>(level(f.green, k)),
                                        static_cast<std::uint8_t>(level(f.blue, k)), kPcReserved};
    }
  }
  return surface.CreatePalette(block);
}

}  // namespace

GdiHandle MakeStandardPalette(DrawingSurface& surface) {
  return MakeLayout(surface, kStandardFamilies, 16, StandardLevel);
}

GdiHandle MakeRainbowPalette(DrawingSurface& surface) {
  return MakeLayout(surface, kRainbowFamilies, 8, RainbowLevel);
}

GdiHandle MakePastelPalette(DrawingSurface& surface) {
  return MakeLayout(surface, kPastelFamilies, 16, PastelLevel);
}

}  // namespace verdant
