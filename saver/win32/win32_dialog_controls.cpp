#include "saver/win32/win32_dialog_controls.h"

namespace verdant {

MessageResult Win32DialogControls::SendDlgItemMessageA(int id, unsigned message,
                                                       MessageWParam w_param,
                                                       MessageLParam l_param) {
  return ::SendDlgItemMessageA(dialog_, id, message, w_param, l_param);
}

MessageResult Win32DialogControls::SendDlgItemMessageA(int id, unsigned message,
                                                       MessageWParam w_param,
                                                       const std::string& text) {
  return ::SendDlgItemMessageA(dialog_, id, message, w_param,
                               reinterpret_cast<LPARAM>(text.c_str()));
}

void Win32DialogControls::EnableWindow(int id, bool enable) {
  ::EnableWindow(::GetDlgItem(dialog_, id), enable ? TRUE : FALSE);
}

void Win32DialogControls::SetDlgItemInt(int id, unsigned value) {
  ::SetDlgItemInt(dialog_, id, value, FALSE);
}

std::string Win32DialogControls::GetDlgItemTextA(int id) {
  char text[64] = {};
  ::GetDlgItemTextA(dialog_, id, text, sizeof text);
  return text;
}

}  // namespace verdant
