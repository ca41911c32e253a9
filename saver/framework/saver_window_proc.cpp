#include "saver/framework/saver_window_proc.h"

namespace verdant {

MessageResult SaverWindowProc(SaverCycle& cycle, SaverWindowHost& host, SaverBaseWindow& window,
                              unsigned message, MessageWParam w_param, MessageLParam l_param) {
  switch (message) {
    case kWmCreate:
      cycle.OnCreate(host);
      break;
    case kWmTimer:  // the only timer is the animation's
      cycle.OnTimer(host);
      break;
    case kWmDestroy:
      cycle.OnDestroy(host);
      break;
  }
  return SaverBaseProc(window, SaverMouseAnchor(), message, w_param, l_param);
}

}  // namespace verdant
