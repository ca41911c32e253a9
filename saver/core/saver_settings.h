#pragma once
// The saver's five settings, one record per process. The palettes, the plants, the animation
// and the configuration dialog all read it; only the dialog and the profile reader change it.
#include <cstdint>

namespace verdant {

struct SaverSettings {
  std::int32_t PlantType = 4;    // PlantKind, 4 = a random kind per plant
  std::int32_t ColorChoice = 7;  // ColorScheme; 8 ("Cycle") only in the file and the dialog
  std::int32_t BkgndTone = 0;    // BackgroundTone
  std::int32_t Delay = 5;        // pause after a full screen, in ticks
  std::int32_t Number = 32;      // plants per screen
  bool CycleColors = false;      // on when the stored ColorChoice is 8
};

// The process's settings record.
SaverSettings& Settings();

}  // namespace verdant
