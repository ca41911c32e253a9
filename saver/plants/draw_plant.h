#pragma once
// One plant per call: picks the base colour and kind, then runs one generator. Every random
// draw comes from the shared random source, in a fixed order.
#include "saver/core/drawing_surface.h"
#include "saver/core/input_queue.h"

namespace verdant {

// The queue InputPending looks into; null means input never waits (headless rendering).
void SetInputQueue(InputQueue* queue);
// True while mouse or keyboard input waits; nothing is removed.
bool InputPending();

void DrawPlant(DrawingSurface& surface, int width, int height, int color_scheme, int plant_kind);

void DrawFern(DrawingSurface& surface, int width, int height, int base_color);
void DrawBush(DrawingSurface& surface, int width, int height, int base_color);
void DrawForestTree(DrawingSurface& surface, int width, int height, int base_color);
void DrawSmallTree(DrawingSurface& surface, int width, int height, int base_color);

}  // namespace verdant
