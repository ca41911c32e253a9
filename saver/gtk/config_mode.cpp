// The configuration mode off Windows: the dialog on GTK over the INI profile file the native
// saver reads.
#include "saver/gtk/config_mode.h"

#include <gtk/gtk.h>

#include <cstdio>

#include "saver/animation/ini/ini_profile_store.h"
#include "saver/gtk/config_dialog_window.h"

namespace verdant {

// The dialog ends the program with 1 whichever way it closed, as on Windows.
int RunConfigMode() {
  if (!gtk_init_check(nullptr, nullptr)) {
    std::fputs("verdant: no display for the settings dialog\n", stderr);
    return 1;
  }
  IniProfileStore profile(DefaultProfileFolder());
  ShowConfigDialog(profile);
  return 1;
}

}  // namespace verdant
