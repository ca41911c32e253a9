#pragma once
// The saver's 256-entry logical palette for a colour scheme, with a ramp of the background
// tone above the plant colours.
#include "saver/core/drawing_surface.h"
#include "saver/core/saver_constants.h"

namespace verdant {

// A palette and the background range it ramps, which the new screen's bands are painted from.
struct BuiltPalette {
  GdiHandle Palette = 0;  // owned by the caller; 0 when creation failed
  int BackgroundFirst = kBackgroundFirst;
  int BackgroundCount = kBackgroundLast + 1 - kBackgroundFirst;
};

// Creates the palette of color_scheme and fills its background range with the ramp of tone:
// 201 to 235 under "Rainbow", 209 to 235 otherwise. Takes three random draws, even when
// creation fails.
BuiltPalette BuildPalette(DrawingSurface& surface, int color_scheme, int tone);

}  // namespace verdant
