#include "saver/gtk/gtk_dialog_controls.h"

#include <vector>

namespace verdant {
namespace {

int ItemCount(GtkComboBox* combo) {
  return gtk_tree_model_iter_n_children(gtk_combo_box_get_model(combo), nullptr);
}

// CB_SETCURSEL sends no selection-change notification, so neither does this: only the user's
// choices reach the dialog's handlers.
void SetActiveQuietly(GtkComboBox* combo, int position) {
  const guint changed = g_signal_lookup("changed", GTK_TYPE_COMBO_BOX);
  std::vector<gulong> blocked;
  while (gulong handler = g_signal_handler_find(
             combo, GSignalMatchType(G_SIGNAL_MATCH_ID | G_SIGNAL_MATCH_UNBLOCKED), changed, 0,
             nullptr, nullptr, nullptr)) {
    g_signal_handler_block(combo, handler);
    blocked.push_back(handler);
  }
  gtk_combo_box_set_active(combo, position);
  for (gulong handler : blocked) g_signal_handler_unblock(combo, handler);
}

}  // namespace

GtkWidget* GtkDialogControls::Item(int id) const {
  auto found = items_.find(id);
  return found == items_.end() ? nullptr : found->second;
}

MessageResult GtkDialogControls::SendDlgItemMessageA(int id, unsigned message,
                                                     MessageWParam w_param, MessageLParam) {
  GtkWidget* widget = Item(id);
  if (!GTK_IS_COMBO_BOX(widget)) return kCbErr;
  GtkComboBox* combo = GTK_COMBO_BOX(widget);
  if (message == kCbSetCurSel) {
    // A position outside the list clears the selection.
    const bool inside = w_param < static_cast<MessageWParam>(ItemCount(combo));
    SetActiveQuietly(combo, inside ? static_cast<int>(w_param) : -1);
    return inside ? static_cast<MessageResult>(w_param) : kCbErr;
  }
  if (message == kCbGetCurSel) {
    const int active = gtk_combo_box_get_active(combo);
    return active < 0 ? kCbErr : active;
  }
  return kCbErr;
}

MessageResult GtkDialogControls::SendDlgItemMessageA(int id, unsigned message,
                                                     MessageWParam w_param,
                                                     const std::string& text) {
  GtkWidget* widget = Item(id);
  if (message != kCbInsertString || !GTK_IS_COMBO_BOX_TEXT(widget)) return kCbErr;
  const int position = static_cast<int>(w_param);
  gtk_combo_box_text_insert_text(GTK_COMBO_BOX_TEXT(widget), position, text.c_str());
  return position;
}

void GtkDialogControls::EnableWindow(int id, bool enable) {
  if (GtkWidget* widget = Item(id)) gtk_widget_set_sensitive(widget, enable);
}

void GtkDialogControls::SetDlgItemInt(int id, unsigned value) {
  GtkWidget* widget = Item(id);
  if (GTK_IS_ENTRY(widget)) gtk_entry_set_text(GTK_ENTRY(widget), std::to_string(value).c_str());
}

std::string GtkDialogControls::GetDlgItemTextA(int id) {
  GtkWidget* widget = Item(id);
  return GTK_IS_ENTRY(widget) ? gtk_entry_get_text(GTK_ENTRY(widget)) : "";
}

}  // namespace verdant
