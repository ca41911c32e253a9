// Prints the settings as the native saver reads them from its profile file: PlantType,
// ColorChoice ("Cycle" as 8), BkgndTone, Delay and Number.
#include <cstdio>

#include "saver/animation/ini/ini_profile_store.h"
#include "saver/animation/settings_io.h"
#include "saver/core/saver_settings.h"

int main() {
  verdant::IniProfileStore profile(verdant::DefaultProfileFolder());
  verdant::SaverSettings s;
  verdant::ReadSettings(profile, s);
  std::printf("%d %d %d %d %d\n", s.PlantType, s.CycleColors ? 8 : s.ColorChoice, s.BkgndTone,
              s.Delay, s.Number);
  return 0;
}
