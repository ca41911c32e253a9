#pragma once
// The dialog model's calls on the controls of a real dialog.
#include <windows.h>

#include "saver/framework/config_dialog_model.h"

namespace verdant {

class Win32DialogControls final : public DialogControls {
 public:
  explicit Win32DialogControls(HWND dialog) : dialog_(dialog) {}

  MessageResult SendDlgItemMessageA(int id, unsigned message, MessageWParam w_param,
                                    MessageLParam l_param) override;
  MessageResult SendDlgItemMessageA(int id, unsigned message, MessageWParam w_param,
                                    const std::string& text) override;
  void EnableWindow(int id, bool enable) override;
  void SetDlgItemInt(int id, unsigned value) override;
  std::string GetDlgItemTextA(int id) override;

 private:
  HWND dialog_;
};

}  // namespace verdant
