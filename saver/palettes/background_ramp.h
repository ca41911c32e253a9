#pragma once
// The ramp of a background tone over a range of palette entries.
#include "saver/core/drawing_surface.h"

namespace verdant {

// Sets count entries from first of palette to the ramp of tone (tones outside 0 to 10 ramp as
// black). Takes three random draws whatever the tone, range or palette; writes nothing when
// palette is 0, and never outside the palette.
void FillBackgroundRamp(DrawingSurface& surface, GdiHandle palette, int count, int first, int tone);

}  // namespace verdant
