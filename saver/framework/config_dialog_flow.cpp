#include "saver/framework/config_dialog_flow.h"

#include "saver/animation/saver_cycle.h"

namespace verdant {

bool OpenConfigDialog(SaverWindowHost& dialog, DialogControls& controls) {
  if (!CheckDisplayAndLoad(dialog)) return false;
  FillConfigControls(controls, Settings());
  return true;
}

void ConfirmConfigDialog(DialogControls& controls) {
  ReadConfigControls(controls, Settings());
  WriteSettings();
}

}  // namespace verdant
