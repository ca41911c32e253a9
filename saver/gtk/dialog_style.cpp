#include "saver/gtk/dialog_style.h"

namespace verdant {
namespace {

// The theme's gradients, shadows and images would hide the flat colours, so they are cleared.
constexpr char kStyleSheet[] = R"css(
window.verdant-dialog { background: none; }
.verdant-red-on-cyan, .verdant-red-on-cyan:hover, .verdant-red-on-cyan:active,
.verdant-red-on-cyan:disabled, .verdant-red-on-cyan:checked {
  color: #ff0000;
  background-color: #00ffff;
  background-image: none;
  box-shadow: none;
  text-shadow: none;
  -gtk-icon-shadow: none;
}
label.verdant-red-on-cyan { padding: 2px 4px; }
.verdant-red-on-cyan label { color: #ff0000; }
.verdant-red-on-cyan:disabled label { color: rgba(255, 0, 0, 0.55); }
frame.verdant-red-on-cyan { background-color: transparent; }
frame.verdant-red-on-cyan > border { border: 1px solid #808080; }
frame.verdant-logo > border { border: 1px solid #000000; }
button.verdant-red-on-cyan:focus { outline-color: #ff0000; }
)css";

void AddClass(GtkWidget* widget, const char* name) {
  gtk_style_context_add_class(gtk_widget_get_style_context(widget), name);
}

}  // namespace

void InstallDialogStyle() {
  GtkCssProvider* provider = gtk_css_provider_new();
  gtk_css_provider_load_from_data(provider, kStyleSheet, -1, nullptr);
  gtk_style_context_add_provider_for_screen(gdk_screen_get_default(), GTK_STYLE_PROVIDER(provider),
                                            GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
  g_object_unref(provider);
}

void PaintRedOnCyan(GtkWidget* widget) {
  AddClass(widget, "verdant-red-on-cyan");
}

void MarkDialogWindow(GtkWidget* window) {
  AddClass(window, "verdant-dialog");
}

void MarkLogoFrame(GtkWidget* frame) {
  AddClass(frame, "verdant-logo");
}

void TileBackground(cairo_t* cr, GdkPixbuf* tile) {
  gdk_cairo_set_source_pixbuf(cr, tile, 0, 0);
  cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_REPEAT);
  cairo_paint(cr);
}

}  // namespace verdant
