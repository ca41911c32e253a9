#include "saver/framework/help_key_filter.h"

namespace verdant {
namespace {

WindowHandle TopLevelWindow(HelpHookPlatform& platform, WindowHandle window) {
  // The style is a 32-bit value whatever the width of the long that carries it.
  while (static_cast<std::uint32_t>(platform.GetWindowLongPtrA(window, kGwlStyle)) & kWsChild) {
    const auto parent =
        static_cast<WindowHandle>(platform.GetWindowLongPtrA(window, kGwlpHwndParent));
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
