#pragma once
// The saver mode of the native program: SDL's set-up, the settings file, and the saver's
// windows until they end.
#include "saver/framework/native_options.h"

namespace verdant {

// The process's exit code: 0 after the saver, and also when no saver window can be made.
int RunNativeSaver(const NativeOptions& options);

}  // namespace verdant
