#pragma once
// The configuration dialog on GTK: the controls of template 2003 in the template's order on a
// grid that keeps its arrangement, with the rules of config_dialog_model behind them.
#include "saver/animation/profile_store.h"

namespace verdant {

// Runs the dialog modally over profile until Ok, Cancel, Escape or closing the window ends it.
// GTK must be initialised.
void ShowConfigDialog(ProfileStore& profile);

}  // namespace verdant
