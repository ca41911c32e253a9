#pragma once
// One plant per call: picks the base colour and kind, then runs one generator. Every random
// draw comes from the shared random source, in a fixed order.
#include "saver/core/drawing_surface.h"

namespace verdant {

// color_scheme and plant_kind are the ColorChoice and PlantType settings. A kind outside the
// list draws a fern; a scheme outside it, in any plant colour of the standard layout.
void DrawPlant(DrawingSurface& surface, int width, int height, int color_scheme, int plant_kind);

}  // namespace verdant
