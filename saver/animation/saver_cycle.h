#pragma once
// The saver's settings persistence, display check and tick cycle. The window procedure of the
// front end calls SaverOnCreate, SaverOnTimer and SaverOnDestroy for WM_CREATE, WM_TIMER and
// WM_DESTROY, then passes every message on to the default saver procedure.
#include <string>

#include "saver/animation/profile_store.h"
#include "saver/animation/saver_window_host.h"

namespace verdant {

inline constexpr char kSaverAppName[] = "ScreenSaver.Verdant Drift";  // string 1007
inline constexpr char kProfileFileName[] = "control.ini";             // string 1001

// The store ReadSettings and WriteSettings use; set once by the program's entry.
void SetProfileStore(ProfileStore* store);

void ReadSettings();
void WriteSettings();

// 1 when the display has at least 8 bits per pixel (the settings are then read), else shows
// the notice, sends WM_DESTROY to the window and returns 0.
int CheckDisplayAndLoad(SaverWindowHost& window);

void SaverOnCreate(SaverWindowHost& window);
void SaverOnTimer(SaverWindowHost& window);
void SaverOnDestroy(SaverWindowHost& window);

}  // namespace verdant
