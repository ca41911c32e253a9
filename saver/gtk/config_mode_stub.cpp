// The configuration mode of a build without GTK 3: it says so and ends as the dialog would.
#include <cstdio>

#include "saver/gtk/config_mode.h"

namespace verdant {

int RunConfigMode() {
  std::fputs("verdant: built without its settings dialog (GTK 3); edit the settings file instead\n",
             stderr);
  return 1;
}

}  // namespace verdant
