#include "saver/framework/saver_window_proc.h"

#include "saver/animation/saver_cycle.h"

namespace verdant {

MessageResult SaverWindowProc(SaverWindowHost& host, SaverBaseWindow& window, unsigned message,
                              MessageWParam w_param, MessageLParam l_param) {
  switch (message) {
    case kWmCreate:
      SaverOnCreate(host);
      break;
    case kWmTimer:  // the only timer is the animation's
      SaverOnTimer(host);
      break;
    case kWmDestroy:
      SaverOnDestroy(host);
      break;
  }
  return SaverBaseProc(window, SaverMouseAnchor(), message, w_param, l_param);
}

}  // namespace verdant
