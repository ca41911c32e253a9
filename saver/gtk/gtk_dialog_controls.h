#pragma once
// The dialog's controls as GTK widgets, addressed by their template identifiers: combo boxes
// for the lists, entries for the number fields.
#include <gtk/gtk.h>

#include <map>

#include "saver/framework/config_dialog_model.h"

namespace verdant {

class GtkDialogControls final : public DialogControls {
 public:
  void Add(int id, GtkWidget* widget) { items_[id] = widget; }
  // GetDlgItem: the widget of that identifier, or null.
  GtkWidget* Item(int id) const;

  // CB_INSERTSTRING, CB_SETCURSEL and CB_GETCURSEL on a combo box; kCbErr for anything else.
  MessageResult SendDlgItemMessageA(int id, unsigned message, MessageWParam w_param,
                                    MessageLParam l_param) override;
  MessageResult SendDlgItemMessageA(int id, unsigned message, MessageWParam w_param,
                                    const std::string& text) override;
  void EnableWindow(int id, bool enable) override;
  void SetDlgItemInt(int id, unsigned value) override;
  std::string GetDlgItemTextA(int id) override;

 private:
  std::map<int, GtkWidget*> items_;
};

}  // namespace verdant
