#include "saver/framework/config_dialog_flow.h"

#include "saver/animation/settings_io.h"

namespace verdant {

bool OpenConfigDialog(SaverWindowHost& dialog, DialogControls& controls, ProfileStore& profile,
                      SaverSettings& settings) {
  if (!CheckDisplayAndLoad(dialog, profile, settings)) return false;
  FillConfigControls(controls, settings);
  return true;
}

void ConfirmConfigDialog(DialogControls& controls, ProfileStore& profile, SaverSettings& settings) {
  ReadConfigControls(controls, settings);
  WriteSettings(profile, settings);
}

}  // namespace verdant
