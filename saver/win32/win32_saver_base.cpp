#include "saver/win32/win32_saver_base.h"

namespace verdant {

// The logic's copies of the platform's numbers.
static_assert(kWmCreate == WM_CREATE && kWmDestroy == WM_DESTROY && kWmActivate == WM_ACTIVATE);
static_assert(kWmClose == WM_CLOSE && kWmActivateApp == WM_ACTIVATEAPP);
static_assert(kWmSetCursor == WM_SETCURSOR && kWmNcActivate == WM_NCACTIVATE);
static_assert(kWmKeyDown == WM_KEYDOWN && kWmSysKeyDown == WM_SYSKEYDOWN);
static_assert(kWmSysCommand == WM_SYSCOMMAND && kWmTimer == WM_TIMER);
static_assert(kWmMouseMove == WM_MOUSEMOVE && kWmLButtonDown == WM_LBUTTONDOWN);
static_assert(kWmRButtonDown == WM_RBUTTONDOWN && kWmMButtonDown == WM_MBUTTONDOWN);
static_assert(kScClose == SC_CLOSE && kScScreenSave == SC_SCREENSAVE && kVkF1 == VK_F1);
static_assert(kMsgfDialogBox == MSGF_DIALOGBOX && kGwlStyle == GWL_STYLE);
static_assert(kGwlpHwndParent == GWLP_HWNDPARENT && kWsChild == WS_CHILD);
static_assert(kCbGetCurSel == CB_GETCURSEL && kCbInsertString == CB_INSERTSTRING);
static_assert(kCbSetCurSel == CB_SETCURSEL && kCbErr == CB_ERR && kCbnSelChange == CBN_SELCHANGE);

void Win32SaverBaseWindow::PostMessageA(unsigned message, MessageWParam w_param,
                                        MessageLParam l_param) {
  ::PostMessageA(window_, message, w_param, l_param);
}

void Win32SaverBaseWindow::PostQuitMessage(int exit_code) {
  ::PostQuitMessage(exit_code);
}

void Win32SaverBaseWindow::SetCursor() {
  ::SetCursor(nullptr);
}

CursorPoint Win32SaverBaseWindow::GetCursorPos() {
  POINT p{};
  ::GetCursorPos(&p);
  return {p.x, p.y};
}

void Win32SaverBaseWindow::SetCursorPos(int x, int y) {
  ::SetCursorPos(x, y);
}

MessageResult Win32SaverBaseWindow::DefWindowProcA(unsigned message, MessageWParam w_param,
                                                   MessageLParam l_param) {
  return ::DefWindowProcA(window_, message, w_param, l_param);
}

MessageResult Win32HelpHookPlatform::CallNextHookEx(int code, MessageWParam w_param,
                                                    MessageLParam l_param) {
  return ::CallNextHookEx(hook_, code, w_param, l_param);
}

std::intptr_t Win32HelpHookPlatform::GetWindowLongPtrA(WindowHandle window, int index) {
  return ::GetWindowLongPtrA(reinterpret_cast<HWND>(window), index);
}

void Win32HelpHookPlatform::PostMessageA(WindowHandle window, unsigned message,
                                         MessageWParam w_param, MessageLParam l_param) {
  ::PostMessageA(reinterpret_cast<HWND>(window), message, w_param, l_param);
}

}  // namespace verdant
