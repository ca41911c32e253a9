#include "saver/palettes/palette_builder.h"

#include "saver/palettes/background_ramp.h"
#include "saver/palettes/palette_layouts.h"

namespace verdant {

BuiltPalette BuildPalette(DrawingSurface& surface, int color_scheme, int tone) {
  BuiltPalette built;
  if (color_scheme == kPastel) {
    built.Palette = MakePastelPalette(surface);
  } else if (color_scheme == kRainbow) {
    built.Palette = MakeRainbowPalette(surface);
  } else {
    built.Palette = MakeStandardPalette(surface);
  }
  built.BackgroundFirst = BackgroundFirstOf(color_scheme);
  built.BackgroundCount = kBackgroundLast + 1 - built.BackgroundFirst;
  FillBackgroundRamp(surface, built.Palette, built.BackgroundCount, built.BackgroundFirst, tone);
  return built;
}

}  // namespace verdant
