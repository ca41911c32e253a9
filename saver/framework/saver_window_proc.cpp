#include "saver/framework/saver_window_proc.h"

#include "saver/animation/saver_cycle.h"

namespace verdant {
namespace {

void RunCycle(SaverWindowHost& host, unsigned message) {
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
}

}  // namespace

MessageResult SaverWindowProc(SaverWindowHost& host, SaverBaseWindow& window, unsigned message,
                              MessageWParam w_param, MessageLParam l_param) {
  RunCycle(host, message);
  return SaverBaseProc(window, SaverMouseAnchor(), message, w_param, l_param);
}

MessageResult SaverPreviewProc(SaverWindowHost& host, SaverBaseWindow& window, unsigned message,
                               MessageWParam w_param, MessageLParam l_param) {
  RunCycle(host, message);
  return PreviewBaseProc(window, message, w_param, l_param);
}

}  // namespace verdant
