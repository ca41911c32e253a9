#pragma once
// The configuration dialog (template 2003), run modally.
#include <windows.h>

namespace verdant {

// Runs the dialog, owned by the thread's active window when with_owner; always returns 1.
int ShowConfigDialog(HINSTANCE instance, bool with_owner);

// Registers the dialog's own window classes; this dialog has none, so it returns 1.
int PrepareConfigClasses(HINSTANCE instance);

// The dialog's initial parameter (l_param of WM_INITDIALOG) is the ProfileStore* its settings
// are read from and written to; it must outlive the dialog.
INT_PTR CALLBACK ConfigDialogProc(HWND dialog, UINT message, WPARAM w_param, LPARAM l_param);

}  // namespace verdant
