#include "saver/framework/help_key_filter.h"

namespace verdant {
namespace {

WindowHandle TopLevelWindow(HelpHookPlatform& platform, WindowHandle window) {
  while (static_cast<std::uint32_t>(platform.GetWindowLongA(window, kGwlStyle)) & kWsChild) {
    auto parent = static_cast<WindowHandle>(
        static_cast<std::uint32_t>(platform.GetWindowLongA(window, kGwlHwndParent)));
    if (parent == 0) break;
    window = parent;
  }
  return window;
}

}  // namespace

MessageResult HelpKeyFilter(HelpHookPlatform& platform, unsigned help_message, int code,
                            MessageWParam w_param, MessageLParam l_param,
                            const HookedMessage& hooked) {
  if (code > kMsgfDialogBox) return 0;
  if (code == kMsgfDialogBox && hooked.message == kWmKeyDown && hooked.w_param == kVkF1) {
    platform.PostMessageA(TopLevelWindow(platform, hooked.window), help_message, 0, 0);
    return 1;
  }
  return platform.CallNextHookEx(code, w_param, l_param);
}

}  // namespace verdant
