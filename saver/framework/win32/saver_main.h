#pragma once
// The saver program: its main function and its full-screen window.
#include <windows.h>

namespace verdant {

// Reads the command line itself (the arguments are ignored) and runs the saver or its preview
// (exit code 0) or the configuration dialog (exit code 1).
int SaverMain(int argc, char** argv, char** envp);

// 1 when the topmost saver window over every monitor exists; its WM_CREATE runs inside this
// call.
int CreateSaverWindow(HINSTANCE instance);

// 1 when the preview, a child window over the whole client area of parent, exists.
int CreatePreviewWindow(HINSTANCE instance, HWND parent);

}  // namespace verdant
