#pragma once
// The saver's five settings. Each saver window reads its own record when it is created (and
// steps its ColorChoice under "Cycle"); the configuration dialog edits one of its own.
#include <cstdint>

#include "saver/core/saver_constants.h"

namespace verdant {

struct SaverSettings {
  std::int32_t PlantType = kRandomPlant;  // PlantKind
  std::int32_t ColorChoice = kRainbow;    // ColorScheme; kCycle only in the file and the dialog
  std::int32_t BkgndTone = kBlackTone;    // BackgroundTone
  std::int32_t Delay = 5;                 // pause after a full screen, in ticks
  std::int32_t Number = 32;               // plants per screen
  bool CycleColors = false;               // on when the stored ColorChoice is kCycle
};

}  // namespace verdant
