#pragma once
// The saver's settings in their profile file, and the display check that reads them: shared by
// the saver window at its creation and by the configuration dialog.
#include "saver/animation/profile_store.h"
#include "saver/animation/saver_window_host.h"
#include "saver/core/saver_settings.h"

namespace verdant {

inline constexpr char kSaverAppName[] = "ScreenSaver.Verdant Drift";  // string 1007
inline constexpr char kProfileFileName[] = "control.ini";             // string 1001

// Reads the five keys; each current value is the default, so a missing key leaves it as it is.
// A stored "Cycle" becomes Grays with CycleColors on.
void ReadSettings(ProfileStore& profile, SaverSettings& settings);
// Writes the five keys as decimal text, "Cycle" whenever CycleColors is on.
void WriteSettings(ProfileStore& profile, const SaverSettings& settings);

// 1 when the display has at least 8 bits per pixel (the settings are then read), else shows
// the notice, sends WM_DESTROY to the window and returns 0.
int CheckDisplayAndLoad(SaverWindowHost& window, ProfileStore& profile, SaverSettings& settings);

}  // namespace verdant
