#pragma once
// The saver's full-screen window.
#include <windows.h>

namespace verdant {

// 1 when the topmost full-screen saver window exists; its WM_CREATE runs inside this call.
int CreateSaverWindow(HINSTANCE instance);

}  // namespace verdant
