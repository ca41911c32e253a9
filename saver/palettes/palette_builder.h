#pragma once
// The saver's 256-entry logical palettes: three layouts for the colour schemes and a ramp of
// the background tone above the plant colours.
#include "saver/core/drawing_surface.h"

namespace verdant {

inline constexpr int kPaletteSize = 256;
inline constexpr int kPaletteTailReserve = 20;

// Creates the palette for the current ColorChoice (read from Settings()), fills the
// background range with the ramp of tone and sets BackgroundFirst/BackgroundCount.
// The caller owns the returned handle (0 when creation failed).
GdiHandle BuildPalette(DrawingSurface& surface, int tone);

// The background range of the last BuildPalette: 209 and 27, or 201 and 35 under "Rainbow".
int BackgroundFirst();
int BackgroundCount();

GdiHandle MakeStandardPalette(DrawingSurface& surface);
GdiHandle MakeRainbowPalette(DrawingSurface& surface);
GdiHandle MakePastelPalette(DrawingSurface& surface);
void FillBackgroundRamp(DrawingSurface& surface, GdiHandle palette, int count, int first, int tone);

}  // namespace verdant
