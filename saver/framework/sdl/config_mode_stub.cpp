// The configuration mode until the native dialog is built: it says so and ends as the dialog
// would.
#include <cstdio>

#include "saver/framework/sdl/config_mode.h"

namespace verdant {

int RunConfigMode() {
  std::fputs("verdant: the settings dialog is not built yet; edit the settings file instead\n",
             stderr);
  return 1;
}

}  // namespace verdant
