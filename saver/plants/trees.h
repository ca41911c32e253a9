#pragma once
// "Forest Trees": a trunk and two forking stems from its top. "Small Trees": a leader tree
// from where the trunk's top would be and two forking stems from the ground. Both stand in the
// lower half of the screen, in palette entries from base_color + 1 upwards (the forest tree's
// trunk in base_color), and return early when input is pending between stems.
#include "saver/core/drawing_surface.h"

namespace verdant {

void DrawForestTree(DrawingSurface& surface, int width, int height, int base_color);
void DrawSmallTree(DrawingSurface& surface, int width, int height, int base_color);

}  // namespace verdant
