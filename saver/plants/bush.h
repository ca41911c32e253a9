#pragma once
// "Flowering Bushes": fans of wandering branches, each fan opening at the tip of a branch of
// the fan before, down to a depth limit. Its parameters, pens and current level are module
// state that lives for one bush at a time.
#include "saver/core/drawing_surface.h"

namespace verdant {

// A bush of random parameters standing in the lower half of the screen, in its own five pens
// (base_color is not used); returns early when input is pending after a branch.
void DrawBush(DrawingSurface& surface, int width, int height, int base_color);

}  // namespace verdant
