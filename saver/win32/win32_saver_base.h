#pragma once
// The default saver procedure's and the help hook's calls, on the real window and pointer.
#include <windows.h>

#include "saver/framework/help_key_filter.h"
#include "saver/framework/saver_base.h"

namespace verdant {

class Win32SaverBaseWindow final : public SaverBaseWindow {
 public:
  explicit Win32SaverBaseWindow(HWND window) : window_(window) {}

  void PostMessageA(unsigned message, MessageWParam w_param, MessageLParam l_param) override;
  void PostQuitMessage(int exit_code) override;
  void SetCursor() override;
  CursorPoint GetCursorPos() override;
  void SetCursorPos(int x, int y) override;
  MessageResult DefWindowProcA(unsigned message, MessageWParam w_param,
                               MessageLParam l_param) override;

 private:
  HWND window_;
};

class Win32HelpHookPlatform final : public HelpHookPlatform {
 public:
  explicit Win32HelpHookPlatform(HHOOK hook) : hook_(hook) {}

  MessageResult CallNextHookEx(int code, MessageWParam w_param, MessageLParam l_param) override;
  std::intptr_t GetWindowLongPtrA(WindowHandle window, int index) override;
  void PostMessageA(WindowHandle window, unsigned message, MessageWParam w_param,
                    MessageLParam l_param) override;

 private:
  HHOOK hook_;
};

}  // namespace verdant
