#include "saver/plants/draw_plant.h"

#include "saver/core/random_source.h"

namespace verdant {
namespace {

enum Scheme { kRainbow = 7, kPastel = 9 };
enum Kind { kBush = 1, kForestTree = 2, kSmallTree = 3, kRandomKind = 4 };

// First index of each scheme's band and its width; schemes 0 to 6 use the standard layout.
int BaseColor(int scheme) {
  int r = Random();
  if (scheme == 0) return 1 + r % 16;
  if (scheme >= 1 && scheme <= 6) return 17 + 32 * (scheme - 1) + r % 32;
  if (scheme == kRainbow) return 1 + r % 201;
  if (scheme == kPastel) return 1 + r % 209;
  // Only a hand-edited file gets here: any plant colour of the standard layout.
  return 1 + r % 208;
}

}  // namespace

void DrawPlant(DrawingSurface& surface, int width, int height, int color_scheme, int plant_kind) {
  int color = BaseColor(color_scheme);
  int limit = color_scheme == kRainbow ? 201 : 209;
  if (color >= limit) color = 1;
  if (plant_kind == kRandomKind) plant_kind = Random() % 5;
  switch (plant_kind) {
    case kBush:
      DrawBush(surface, width, height, color);
      break;
    case kForestTree:
      DrawForestTree(surface, width, height, color);
      break;
    case kSmallTree:
      DrawSmallTree(surface, width, height, color);
      break;
    default:
      DrawFern(surface, width, height, color);
      break;
  }
}

}  // namespace verdant
