#pragma once
// The saver window's procedure: the window's animation cycle handles creation, ticks and
// destruction, then every message goes on to the default saver procedure.
#include "saver/animation/saver_cycle.h"
#include "saver/animation/saver_window_host.h"
#include "saver/framework/saver_base.h"

namespace verdant {

MessageResult SaverWindowProc(SaverCycle& cycle, SaverWindowHost& host, SaverBaseWindow& window,
                              unsigned message, MessageWParam w_param, MessageLParam l_param);

}  // namespace verdant
