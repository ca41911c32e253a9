#pragma once
// The configuration dialog's two moments that touch the settings file: opening (display check,
// settings read, controls filled) and OK (choices taken back and written). The dialog owns the
// settings record they fill and read, for as long as it is open.
#include "saver/animation/profile_store.h"
#include "saver/animation/saver_window_host.h"
#include "saver/core/saver_settings.h"
#include "saver/framework/config_dialog_model.h"

namespace verdant {

// False when the display has fewer than 8 bits per pixel (the notice has been shown); the
// dialog then ends at once and nothing is filled.
bool OpenConfigDialog(SaverWindowHost& dialog, DialogControls& controls, ProfileStore& profile,
                      SaverSettings& settings);

void ConfirmConfigDialog(DialogControls& controls, ProfileStore& profile, SaverSettings& settings);

}  // namespace verdant
