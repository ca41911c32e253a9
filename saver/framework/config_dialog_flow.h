#pragma once
// The configuration dialog's two moments that touch the settings file: opening (display check,
// settings read, controls filled) and OK (choices taken back and written).
#include "saver/animation/saver_window_host.h"
#include "saver/framework/config_dialog_model.h"

namespace verdant {

// False when the display has fewer than 8 bits per pixel (the notice has been shown); the
// dialog then ends at once and nothing is filled.
bool OpenConfigDialog(SaverWindowHost& dialog, DialogControls& controls);

void ConfirmConfigDialog(DialogControls& controls);

}  // namespace verdant
