#include "saver/win32/win32_input_queue.h"

#include <windows.h>

namespace verdant {

static_assert(kFirstMouseMessage == WM_MOUSEMOVE && kLastMouseMessage == WM_MBUTTONDBLCLK);
static_assert(kFirstKeyMessage == WM_KEYDOWN);

bool Win32InputQueue::PeekMessageA(unsigned first, unsigned last) {
  MSG message;
  return ::PeekMessageA(&message, nullptr, first, last, PM_NOREMOVE) != FALSE;
}

}  // namespace verdant
