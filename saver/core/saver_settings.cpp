#include "saver/core/saver_settings.h"

namespace verdant {

SaverSettings& Settings() {
  static SaverSettings settings;
  return settings;
}

}  // namespace verdant
