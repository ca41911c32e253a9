#include "saver/gtk/config_dialog_window.h"

#include "saver/core/saver_settings.h"
#include "saver/framework/config_dialog_model.h"
#include "saver/gtk/bitmap_pixbuf.h"
#include "saver/gtk/dialog_style.h"
#include "saver/gtk/gtk_dialog_controls.h"
#include "saver/gtk/gtk_dialog_host.h"
#include "saver/gtk/help_window.h"
#include "saver/gtk/logo_panel.h"
#include "saver/resources/saver_bitmaps.h"

namespace verdant {
namespace {

constexpr char kCaption[] = "Verdant Drift";
// Dialog units to pixels for the logo panel's size: the template's font makes 4 units 7 pixels.
constexpr int DialogUnits(int units) {
  return units * 7 / 4;
}

struct ConfigDialog {
  explicit ConfigDialog(ProfileStore& store) : profile(store) {}
  ProfileStore& profile;
  SaverSettings settings;  // what the dialog edits while it is open
  GtkWidget* window = nullptr;
  GtkDialogControls controls;
  GdkPixbuf* tile = nullptr;
  GMainLoop* loop = nullptr;
};

void EndConfigDialog(ConfigDialog& dialog) {
  g_main_loop_quit(dialog.loop);
}

// The buttons' commands, as the Windows dialog procedure takes them by identifier.
void OnCommand(ConfigDialog& dialog, int id) {
  switch (id) {
    case kOkButton:
      ConfirmConfigDialog(dialog.controls, dialog.profile, dialog.settings);
      EndConfigDialog(dialog);
      break;
    case kCancelButton:
      EndConfigDialog(dialog);
      break;
    case kDefaultButton:
      ResetConfigControls(dialog.controls, dialog.settings);
      break;
    case kHelpButton:
      ShowHelpIndex(GTK_WINDOW(dialog.window));
      break;
  }
}

void OnButtonClicked(GtkButton* button, gpointer data) {
  const int id = GPOINTER_TO_INT(g_object_get_data(G_OBJECT(button), "control-id"));
  OnCommand(*static_cast<ConfigDialog*>(data), id);
}

void OnPlantChanged(GtkComboBox*, gpointer data) {
  auto& dialog = *static_cast<ConfigDialog*>(data);
  OnPlantSelectionChange(dialog.controls, dialog.settings);
}

// Enter on a push button presses that button; anywhere else it is Ok, as in a Windows dialog.
bool EnterPressesFocus(GtkWidget* focus) {
  return GTK_IS_BUTTON(focus) && !gtk_widget_get_ancestor(focus, GTK_TYPE_COMBO_BOX);
}

gboolean OnKeyPress(GtkWidget* window, GdkEventKey* event, gpointer data) {
  auto& dialog = *static_cast<ConfigDialog*>(data);
  switch (event->keyval) {
    case GDK_KEY_F1:
      OnCommand(dialog, kHelpButton);
      return TRUE;
    case GDK_KEY_Escape:
      OnCommand(dialog, kCancelButton);
      return TRUE;
    case GDK_KEY_Return:
    case GDK_KEY_KP_Enter:
    case GDK_KEY_ISO_Enter:
      if (EnterPressesFocus(gtk_window_get_focus(GTK_WINDOW(window)))) return FALSE;
      OnCommand(dialog, kOkButton);
      return TRUE;
  }
  return FALSE;
}

gboolean OnDelete(GtkWidget*, GdkEvent*, gpointer data) {
  OnCommand(*static_cast<ConfigDialog*>(data), kCancelButton);
  return TRUE;
}

gboolean OnDrawBackground(GtkWidget*, cairo_t* cr, gpointer data) {
  TileBackground(cr, static_cast<ConfigDialog*>(data)->tile);
  return FALSE;
}

GtkWidget* Frame(GtkWidget* content) {
  GtkWidget* frame = gtk_frame_new(nullptr);
  PaintRedOnCyan(frame);
  gtk_container_add(GTK_CONTAINER(frame), content);
  return frame;
}

GtkWidget* Grid() {
  GtkWidget* grid = gtk_grid_new();
  gtk_grid_set_row_spacing(GTK_GRID(grid), 6);
  gtk_grid_set_column_spacing(GTK_GRID(grid), 8);
  g_object_set(grid, "margin", 6, nullptr);
  return grid;
}

GtkWidget* Label(const char* text) {
  GtkWidget* label = gtk_label_new(text);
  gtk_label_set_xalign(GTK_LABEL(label), 0);
  PaintRedOnCyan(label);
  return label;
}

GtkWidget* List(ConfigDialog& dialog, int id) {
  GtkWidget* list = gtk_combo_box_text_new();
  gtk_widget_set_hexpand(list, TRUE);
  dialog.controls.Add(id, list);
  return list;
}

GtkWidget* Field(ConfigDialog& dialog, int id) {
  GtkWidget* field = gtk_entry_new();
  gtk_entry_set_width_chars(GTK_ENTRY(field), 6);
  gtk_widget_set_halign(field, GTK_ALIGN_START);
  dialog.controls.Add(id, field);
  return field;
}

GtkWidget* Button(ConfigDialog& dialog, const char* text, int id) {
  GtkWidget* button = id == kPasswordCheck ? gtk_check_button_new_with_label(text)
                                           : gtk_button_new_with_label(text);
  PaintRedOnCyan(button);
  g_object_set_data(G_OBJECT(button), "control-id", GINT_TO_POINTER(id));
  g_signal_connect(button, "clicked", G_CALLBACK(OnButtonClicked), &dialog);
  dialog.controls.Add(id, button);
  return button;
}

// The frame around the settings: a label and its list or field per row.
GtkWidget* SettingsFrame(ConfigDialog& dialog) {
  GtkWidget* grid = Grid();
  const struct {
    const char* label;
    int id;
  } rows[] = {{" Plant Type:", kPlantList},
              {" Color Scheme:", kColorList},
              {" Background Tone:", kToneList},
              {" Delay:", kDelayEdit},
              {" Number of Plants:", kNumberEdit}};
  int row = 0;
  for (const auto& [label, id] : rows) {
    const bool is_list = id == kPlantList || id == kColorList || id == kToneList;
    gtk_grid_attach(GTK_GRID(grid), Label(label), 0, row, 1, 1);
    gtk_grid_attach(GTK_GRID(grid), is_list ? List(dialog, id) : Field(dialog, id), 1, row, 1, 1);
    ++row;
  }
  g_signal_connect(dialog.controls.Item(kPlantList), "changed", G_CALLBACK(OnPlantChanged),
                   &dialog);
  return Frame(grid);
}

GtkWidget* PasswordFrame(ConfigDialog& dialog) {
  GtkWidget* grid = Grid();
  gtk_grid_set_column_homogeneous(GTK_GRID(grid), TRUE);
  gtk_grid_attach(GTK_GRID(grid), Button(dialog, "Password Protected", kPasswordCheck), 0, 0, 1, 1);
  gtk_grid_attach(GTK_GRID(grid), Button(dialog, "Set Password...", kSetPasswordButton), 1, 0, 1,
                  1);
  return Frame(grid);
}

GtkWidget* ButtonFrame(ConfigDialog& dialog) {
  GtkWidget* grid = Grid();
  gtk_grid_set_row_homogeneous(GTK_GRID(grid), TRUE);
  gtk_widget_set_valign(grid, GTK_ALIGN_CENTER);
  const struct {
    const char* text;
    int id;
  } buttons[] = {{"Ok", kOkButton},
                 {"Default", kDefaultButton},
                 {"Cancel", kCancelButton},
                 {"Help", kHelpButton}};
  int row = 0;
  for (const auto& [text, id] : buttons) {
    gtk_grid_attach(GTK_GRID(grid), Button(dialog, text, id), 0, row++, 1, 1);
  }
  GtkWidget* ok = dialog.controls.Item(kOkButton);
  gtk_widget_set_can_default(ok, TRUE);
  gtk_window_set_default(GTK_WINDOW(dialog.window), ok);
  return Frame(grid);
}

GtkWidget* LogoFrame() {
  GdkPixbuf* crest = MakePixbuf(MakeCrestMark());
  GtkWidget* frame = gtk_frame_new(nullptr);
  MarkLogoFrame(frame);
  gtk_container_add(GTK_CONTAINER(frame), MakeLogoPanel(crest, DialogUnits(101), DialogUnits(76)));
  g_object_unref(crest);
  return frame;
}

// The template's order is the focus order: the settings, the password row, the buttons; the
// logo panel, last in the template, takes no focus.
void BuildControls(ConfigDialog& dialog) {
  GtkWidget* grid = Grid();
  gtk_grid_attach(GTK_GRID(grid), SettingsFrame(dialog), 0, 0, 2, 1);
  gtk_grid_attach(GTK_GRID(grid), PasswordFrame(dialog), 0, 1, 2, 1);
  gtk_grid_attach(GTK_GRID(grid), ButtonFrame(dialog), 1, 2, 1, 1);
  gtk_grid_attach(GTK_GRID(grid), LogoFrame(), 0, 2, 1, 1);
  gtk_container_add(GTK_CONTAINER(dialog.window), grid);
}

void MakeWindow(ConfigDialog& dialog) {
  dialog.window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  GtkWindow* window = GTK_WINDOW(dialog.window);
  gtk_window_set_title(window, kCaption);
  gtk_window_set_modal(window, TRUE);
  gtk_window_set_resizable(window, FALSE);
  gtk_window_set_type_hint(window, GDK_WINDOW_TYPE_HINT_DIALOG);
  gtk_window_set_position(window, GTK_WIN_POS_CENTER);
  MarkDialogWindow(dialog.window);
  g_signal_connect(window, "draw", G_CALLBACK(OnDrawBackground), &dialog);
  g_signal_connect(window, "key-press-event", G_CALLBACK(OnKeyPress), &dialog);
  g_signal_connect(window, "delete-event", G_CALLBACK(OnDelete), &dialog);
}

}  // namespace

void ShowConfigDialog(ProfileStore& profile) {
  InstallDialogStyle();
  ConfigDialog dialog(profile);
  dialog.tile = MakePixbuf(MakeBackgroundTile());
  MakeWindow(dialog);
  BuildControls(dialog);
  GtkDialogHost host;
  if (OpenConfigDialog(host, dialog.controls, dialog.profile, dialog.settings)) {
    gtk_widget_show_all(dialog.window);
    // The first tab stop takes the focus, as in a Windows dialog.
    gtk_widget_grab_focus(dialog.controls.Item(kPlantList));
    dialog.loop = g_main_loop_new(nullptr, FALSE);
    g_main_loop_run(dialog.loop);
    g_main_loop_unref(dialog.loop);
  }
  gtk_widget_destroy(dialog.window);
  g_object_unref(dialog.tile);
}

}  // namespace verdant
