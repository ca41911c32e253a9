#include "saver/palettes/palette_builder.h"

#include "saver/core/saver_settings.h"

namespace verdant {
namespace {

constexpr int kRainbow = 7;
constexpr int kPastel = 9;

// The background range of the last palette built; the animation paints its bands from it.
int background_first = 209;
int background_count = kPaletteSize - kPaletteTailReserve - 209;

}  // namespace

GdiHandle BuildPalette(DrawingSurface& surface, int tone) {
  GdiHandle palette;
  int scheme = Settings().ColorChoice;
  if (scheme == kPastel) {
    palette = MakePastelPalette(surface);
    background_first = 209;
  } else if (scheme == kRainbow) {
    palette = MakeRainbowPalette(surface);
    background_first = 201;
  } else {
    palette = MakeStandardPalette(surface);
    background_first = 209;
  }
  background_count = kPaletteSize - kPaletteTailReserve - background_first;
  FillBackgroundRamp(surface, palette, background_count, background_first, tone);
  return palette;
}

int BackgroundFirst() {
  return background_first;
}
int BackgroundCount() {
  return background_count;
}

}  // namespace verdant
