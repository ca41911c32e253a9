#include "saver/framework/saver_window_proc.h"

namespace verdant {
namespace {

void RunCycle(SaverCycle& cycle, SaverWindowHost& host, unsigned message) {
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
}

}  // namespace

MessageResult SaverWindowProc(SaverCycle& cycle, SaverWindowHost& host, SaverBaseWindow& window,
                              unsigned message, MessageWParam w_param, MessageLParam l_param) {
  RunCycle(cycle, host, message);
  return SaverBaseProc(window, SaverMouseAnchor(), message, w_param, l_param);
}

MessageResult SaverPreviewProc(SaverCycle& cycle, SaverWindowHost& host, SaverBaseWindow& window,
                               unsigned message, MessageWParam w_param, MessageLParam l_param) {
  RunCycle(cycle, host, message);
  return PreviewBaseProc(window, message, w_param, l_param);
}

}  // namespace verdant
