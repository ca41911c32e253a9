// Prints the settings as the native saver reads them from its profile file: PlantType,
// ColorChoice ("Cycle" as 8), BkgndTone, Delay and Number.
#include <cstdio>

#include "saver/animation/ini/ini_profile_store.h"
#include "saver/animation/saver_cycle.h"
#include "saver/core/saver_settings.h"

int main() {
  verdant::IniProfileStore profile(verdant::DefaultProfileFolder());
  verdant::SetProfileStore(&profile);
  verdant::ReadSettings();
  const verdant::SaverSettings& s = verdant::Settings();
  std::printf("%d %d %d %d %d\n", s.PlantType, s.CycleColors ? 8 : s.ColorChoice, s.BkgndTone,
              s.Delay, s.Number);
  return 0;
}
