#pragma once
// The saver's help, shown in a window of its own beside the dialog that asked for it.
#include <gtk/gtk.h>

namespace verdant {

// Opens the help at its beginning, transient for owner; a help window already open is brought
// to the front instead. It stays usable while the modal dialog runs.
void ShowHelpIndex(GtkWindow* owner);

}  // namespace verdant
