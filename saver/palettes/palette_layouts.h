#pragma once
// The three palette layouts behind the colour schemes: standard (Grays to Magentas and any
// unknown scheme), "Rainbow" and "Pastel". Each creates a palette; 0 when creation fails.
#include "saver/core/drawing_surface.h"

namespace verdant {

GdiHandle MakeStandardPalette(DrawingSurface& surface);
GdiHandle MakeRainbowPalette(DrawingSurface& surface);
GdiHandle MakePastelPalette(DrawingSurface& surface);

}  // namespace verdant
