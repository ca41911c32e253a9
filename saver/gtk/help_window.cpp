#include "saver/gtk/help_window.h"

namespace verdant {
namespace {

constexpr char kHelpTitle[] = "Verdant Drift Help";
constexpr char kHelpText[] =
    "Verdant Drift\n"
    "\n"
    "The screen saver grows one plant a second on a black screen until the screen holds its "
    "number of plants, pauses, then paints the screen over with bands of the background tone "
    "and starts again. Any key, any mouse button or moving the mouse ends it.\n"
    "\n"
    "Plant Type: Garden Ferns, Flowering Bushes, Forest Trees, Small Trees, or Random, a kind "
    "chosen for each plant.\n"
    "\n"
    "Color Scheme: the colours of the plants. Cycle steps from Grays to Magentas, one scheme "
    "per screen. Flowering Bushes keep their own colours, so the list is greyed out for them.\n"
    "\n"
    "Background Tone: the colour of the bands that start each new screen.\n"
    "\n"
    "Delay: seconds of pause once the screen is full.\n"
    "\n"
    "Number of Plants: plants drawn on each screen.\n"
    "\n"
    "Ok stores the settings, Cancel (or Escape) leaves them as they were, and Default puts "
    "back the initial ones: Random, Rainbow, Black, 5 and 32. The saver has no password.\n"
    "\n"
    "The settings live in $XDG_CONFIG_HOME/verdant/control.ini (~/.config/verdant/control.ini "
    "without it), read when the saver starts with /s.\n";

GtkWidget* OpenHelp = nullptr;  // the one help window, while it is open

gboolean CloseOnEscape(GtkWidget* window, GdkEventKey* event, gpointer) {
  if (event->keyval != GDK_KEY_Escape) return FALSE;
  gtk_widget_destroy(window);
  return TRUE;
}

GtkWidget* MakeHelpText() {
  GtkWidget* view = gtk_text_view_new();
  gtk_text_view_set_editable(GTK_TEXT_VIEW(view), FALSE);
  gtk_text_view_set_cursor_visible(GTK_TEXT_VIEW(view), FALSE);
  gtk_text_view_set_wrap_mode(GTK_TEXT_VIEW(view), GTK_WRAP_WORD);
  gtk_text_view_set_left_margin(GTK_TEXT_VIEW(view), 8);
  gtk_text_view_set_right_margin(GTK_TEXT_VIEW(view), 8);
  gtk_text_buffer_set_text(gtk_text_view_get_buffer(GTK_TEXT_VIEW(view)), kHelpText, -1);
  GtkWidget* scrolled = gtk_scrolled_window_new(nullptr, nullptr);
  gtk_container_add(GTK_CONTAINER(scrolled), view);
  return scrolled;
}

}  // namespace

void ShowHelpIndex(GtkWindow* owner) {
  if (OpenHelp) {
    gtk_window_present(GTK_WINDOW(OpenHelp));
    return;
  }
  OpenHelp = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  GtkWindow* window = GTK_WINDOW(OpenHelp);
  gtk_window_set_title(window, kHelpTitle);
  gtk_window_set_transient_for(window, owner);
  gtk_window_set_default_size(window, 420, 380);
  // A group of its own, so that the modal dialog's grab leaves it usable.
  GtkWindowGroup* group = gtk_window_group_new();
  gtk_window_group_add_window(group, window);
  g_object_unref(group);
  gtk_container_add(GTK_CONTAINER(window), MakeHelpText());
  g_signal_connect(window, "key-press-event", G_CALLBACK(CloseOnEscape), nullptr);
  g_signal_connect(window, "destroy", G_CALLBACK(+[](GtkWidget*, gpointer) { OpenHelp = nullptr; }),
                   nullptr);
  gtk_widget_show_all(OpenHelp);
}

}  // namespace verdant
