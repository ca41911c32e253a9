#pragma once
// The message-filter hook of the saver's thread: F1 in a dialog box becomes the registered
// help message, posted to the dialog's top-level window.
#include <cstdint>

#include "saver/core/window_messages.h"

namespace verdant {

// The fields of the hooked message that the filter looks at.
struct HookedMessage {
  WindowHandle window = 0;
  unsigned message = 0;
  MessageWParam w_param = 0;
};

struct HelpHookPlatform {
  virtual ~HelpHookPlatform() = default;
  // CallNextHookEx with the kept hook handle and the same arguments.
  virtual MessageResult CallNextHookEx(int code, MessageWParam w_param, MessageLParam l_param) = 0;
  // A window long at the width of a pointer, so that a parent handle comes back whole on
  // 64-bit Windows; on 32-bit Windows this is GetWindowLongA itself.
  virtual std::intptr_t GetWindowLongPtrA(WindowHandle window, int index) = 0;
  virtual void PostMessageA(WindowHandle window, unsigned message, MessageWParam w_param,
                            MessageLParam l_param) = 0;
};

// l_param is the platform's pointer to the message record, passed on untouched; hooked holds
// that record's fields (read only when code is kMsgfDialogBox).
MessageResult HelpKeyFilter(HelpHookPlatform& platform, unsigned help_message, int code,
                            MessageWParam w_param, MessageLParam l_param,
                            const HookedMessage& hooked);

}  // namespace verdant
