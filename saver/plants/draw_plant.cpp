#include "saver/plants/draw_plant.h"

#include "saver/core/random_source.h"
#include "saver/core/saver_constants.h"
#include "saver/plants/bush.h"
#include "saver/plants/fern.h"
#include "saver/plants/trees.h"

namespace verdant {
namespace {

// First index of each scheme's band and its width; schemes 0 to 6 use the standard layout.
int BaseColor(int scheme) {
  int r = Random();
  if (scheme == kGrays) return 1 + r % 16;
  if (scheme >= kBlues && scheme <= kMagentas) return 17 + 32 * (scheme - kBlues) + r % 32;
  if (scheme == kRainbow) return 1 + r % kRainbowBackgroundFirst;
  if (scheme == kPastel) return 1 + r % kBackgroundFirst;
  // Only a hand-edited file gets here: any plant colour of the standard layout.
  return 1 + r % (kBackgroundFirst - 1);
}

}  // namespace

void DrawPlant(DrawingSurface& surface, int width, int height, int color_scheme, int plant_kind) {
  int color = BaseColor(color_scheme);
  if (color >= BackgroundFirstOf(color_scheme)) color = 1;
  // A position in the kinds' list; "Random" itself falls to the fern.
  if (plant_kind == kRandomPlant) plant_kind = Random() % kPlantTypes;
  switch (plant_kind) {
    case kFloweringBushes:
      DrawBush(surface, width, height, color);
      break;
    case kForestTrees:
      DrawForestTree(surface, width, height, color);
      break;
    case kSmallTrees:
      DrawSmallTree(surface, width, height, color);
      break;
    default:
      DrawFern(surface, width, height, color);
      break;
  }
}

}  // namespace verdant
