#pragma once
// The saver program: its main function and its full-screen window.
#include <windows.h>

namespace verdant {

// Reads the command line itself (the arguments are ignored) and runs the saver (exit code 0)
// or the configuration dialog (exit code 1).
int SaverMain(int argc, char** argv, char** envp);

// 1 when the topmost full-screen saver window exists; its WM_CREATE runs inside this call.
int CreateSaverWindow(HINSTANCE instance);

}  // namespace verdant
