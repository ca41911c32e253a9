#pragma once
// The saver's windows: full screen over every monitor, or the preview inside another window.
#include <windows.h>

namespace verdant {

// 1 when the topmost saver window over every monitor exists; its WM_CREATE runs inside this
// call.
int CreateSaverWindow(HINSTANCE instance);

// 1 when the preview, a child window over the whole client area of parent, exists.
int CreatePreviewWindow(HINSTANCE instance, HWND parent);

}  // namespace verdant
