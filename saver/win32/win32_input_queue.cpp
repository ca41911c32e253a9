#include "saver/win32/win32_input_queue.h"

#include <windows.h>

#include "saver/core/window_messages.h"

namespace verdant {

// The plants look for keys only up to the message before WM_UNICHAR, on every Windows.
static_assert(kWmMButtonDblClk == WM_MBUTTONDBLCLK && kWmKeyLast + 1 == WM_UNICHAR);

bool Win32InputQueue::PeekMessageA(unsigned first, unsigned last) {
  MSG message;
  return ::PeekMessageA(&message, nullptr, first, last, PM_NOREMOVE) != FALSE;
}

}  // namespace verdant
