#include <cstdio>

#include "saver/animation/saver_cycle.h"
#include "saver/core/saver_settings.h"

namespace verdant {
namespace {

ProfileStore* profile_store = nullptr;

constexpr int kCycleChoice = 8;  // "Cycle" as the file holds it

void ReadKey(const char* key, std::int32_t& value) {
  value = profile_store->GetPrivateProfileIntA(kSaverAppName, key, value, kProfileFileName);
}

void WriteKey(const char* key, std::int32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
  profile_store->WritePrivateProfileStringA(kSaverAppName, key, text, kProfileFileName);
}

}  // namespace

void SetProfileStore(ProfileStore* store) {
  profile_store = store;
}

// Without a store the settings stand, as with a missing profile file.
void ReadSettings() {
  if (!profile_store) return;
  SaverSettings& settings = Settings();
  ReadKey("PlantType", settings.PlantType);
  ReadKey("ColorChoice", settings.ColorChoice);
  if (settings.ColorChoice == kCycleChoice) {
    settings.ColorChoice = 0;
    settings.CycleColors = true;
  }
  ReadKey("BkgndTone", settings.BkgndTone);
  ReadKey("Delay", settings.Delay);
  ReadKey("Number", settings.Number);
}

void WriteSettings() {
  if (!profile_store) return;
  const SaverSettings& settings = Settings();
  WriteKey("PlantType", settings.PlantType);
  WriteKey("ColorChoice", settings.CycleColors ? kCycleChoice : settings.ColorChoice);
  WriteKey("BkgndTone", settings.BkgndTone);
  WriteKey("Delay", settings.Delay);
  WriteKey("Number", settings.Number);
}

int CheckDisplayAndLoad(SaverWindowHost& window) {
  DrawingSurface* context = window.GetDC();
  // A context that cannot be had reports no colours, as GetDeviceCaps on a null context does.
  const int bits_per_pixel = context ? context->BitsPerPixel() : 0;
  if (context) window.ReleaseDC(context);
  if (bits_per_pixel < 8) {
    window.MessageBoxA("This program requires more than 256 colors!", "Verdant Drift");
    window.SendDestroy();
    return 0;
  }
  ReadSettings();
  return 1;
}

}  // namespace verdant
