#include "saver/gtk/gtk_dialog_host.h"

#include <ctime>

namespace verdant {
namespace {

GdkRectangle PrimaryArea() {
  GdkRectangle area{};
  GdkDisplay* display = gdk_display_get_default();
  GdkMonitor* monitor = display ? gdk_display_get_primary_monitor(display) : nullptr;
  // A bare X server names no primary monitor; the first one is the screen then.
  if (!monitor && display) monitor = gdk_display_get_monitor(display, 0);
  if (monitor) gdk_monitor_get_geometry(monitor, &area);
  return area;
}

}  // namespace

int ScreenDepthContext::BitsPerPixel() {
  GdkScreen* screen = gdk_screen_get_default();
  GdkVisual* visual = screen ? gdk_screen_get_system_visual(screen) : nullptr;
  return visual ? gdk_visual_get_depth(visual) : 0;
}

int GtkDialogHost::ScreenWidth() {
  return PrimaryArea().width;
}

int GtkDialogHost::ScreenHeight() {
  return PrimaryArea().height;
}

void GtkDialogHost::MessageBoxA(const std::string& text, const std::string& caption) {
  GtkWidget* box = gtk_message_dialog_new(nullptr, GTK_DIALOG_MODAL, GTK_MESSAGE_WARNING,
                                          GTK_BUTTONS_OK, "%s", text.c_str());
  gtk_window_set_title(GTK_WINDOW(box), caption.c_str());
  gtk_dialog_run(GTK_DIALOG(box));
  gtk_widget_destroy(box);
}

std::int64_t GtkDialogHost::Time() {
  return static_cast<std::int64_t>(std::time(nullptr));
}

}  // namespace verdant
