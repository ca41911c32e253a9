#include "saver/animation/settings_io.h"

#include <cstdio>

namespace verdant {
namespace {

void ReadKey(ProfileStore& profile, const char* key, std::int32_t& value) {
  value = profile.GetPrivateProfileIntA(kSaverAppName, key, value, kProfileFileName);
}

void WriteKey(ProfileStore& profile, const char* key, std::int32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
  profile.WritePrivateProfileStringA(kSaverAppName, key, text, kProfileFileName);
}

}  // namespace

void ReadSettings(ProfileStore& profile, SaverSettings& settings) {
  ReadKey(profile, "PlantType", settings.PlantType);
  ReadKey(profile, "ColorChoice", settings.ColorChoice);
  if (settings.ColorChoice == kCycle) {
    settings.ColorChoice = kGrays;
    settings.CycleColors = true;
  }
  ReadKey(profile, "BkgndTone", settings.BkgndTone);
  ReadKey(profile, "Delay", settings.Delay);
  ReadKey(profile, "Number", settings.Number);
}

void WriteSettings(ProfileStore& profile, const SaverSettings& settings) {
  WriteKey(profile, "PlantType", settings.PlantType);
  WriteKey(profile, "ColorChoice", settings.CycleColors ? kCycle : settings.ColorChoice);
  WriteKey(profile, "BkgndTone", settings.BkgndTone);
  WriteKey(profile, "Delay", settings.Delay);
  WriteKey(profile, "Number", settings.Number);
}

int CheckDisplayAndLoad(SaverWindowHost& window, ProfileStore& profile, SaverSettings& settings) {
  DrawingSurface* context = window.GetDC();
  // A context that cannot be had reports no colours, as GetDeviceCaps on a null context does.
  const int bits_per_pixel = context ? context->BitsPerPixel() : 0;
  if (context) window.ReleaseDC(context);
  if (bits_per_pixel < 8) {
    window.MessageBoxA("This program requires more than 256 colors!", "Verdant Drift");
    window.SendDestroy();
    return 0;
  }
  ReadSettings(profile, settings);
  return 1;
}

}  // namespace verdant
