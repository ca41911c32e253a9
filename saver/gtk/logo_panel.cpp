#include "saver/gtk/logo_panel.h"

#include <array>

#include "saver/framework/logo_layout.h"
#include "saver/gtk/dialog_style.h"

namespace verdant {
namespace {

// A font's cell height is about a fifth more than its em size, and the logo fonts are given by
// their cell height.
constexpr double kEmPerCell = 0.8;

struct LogoFont {
  PangoFontDescription* description;
  double stretch;  // horizontal scale that gives the font its average character width
};

LogoFont MakeFont(PangoContext* context, const LogoFontSize& size, LogoFontMetrics& metrics) {
  PangoFontDescription* description = pango_font_description_from_string("Arial, Sans Bold");
  pango_font_description_set_absolute_size(description, size.height * kEmPerCell * PANGO_SCALE);
  PangoFontMetrics* font_metrics = pango_context_get_metrics(context, description, nullptr);
  const int natural_width = pango_font_metrics_get_approximate_char_width(font_metrics);
  metrics.height = PANGO_PIXELS(pango_font_metrics_get_ascent(font_metrics) +
                                pango_font_metrics_get_descent(font_metrics));
  metrics.external_leading = 0;
  metrics.average_width = size.width;
  pango_font_metrics_unref(font_metrics);
  const double stretch = natural_width > 0 ? double(size.width) * PANGO_SCALE / natural_width : 1.0;
  return {description, stretch};
}

void WriteLine(cairo_t* cr, const LogoLine& line, const LogoFont& font) {
  PangoLayout* layout = pango_cairo_create_layout(cr);
  pango_layout_set_font_description(layout, font.description);
  pango_layout_set_text(layout, line.text.data(), static_cast<int>(line.text.size()));
  cairo_save(cr);
  cairo_translate(cr, line.x, line.y);
  cairo_scale(cr, font.stretch, 1.0);
  cairo_move_to(cr, 0, 0);
  pango_cairo_show_layout(cr, layout);
  cairo_restore(cr);
  g_object_unref(layout);
}

void WriteLogoLines(GtkWidget* panel, cairo_t* cr, int width) {
  PangoContext* context = gtk_widget_get_pango_context(panel);
  std::array<LogoFontMetrics, 3> metrics{};
  std::array<LogoFont, 3> fonts{};
  for (std::size_t f = 0; f < kLogoFonts.size(); ++f) {
    fonts[f] = MakeFont(context, kLogoFonts[f], metrics[f]);
  }
  gdk_cairo_set_source_rgba(cr, &kLogoTextBlue);
  for (const LogoLine& line : LayoutLogoLines(0, width, metrics)) {
    WriteLine(cr, line, fonts[static_cast<std::size_t>(line.font)]);
  }
  for (LogoFont& font : fonts) pango_font_description_free(font.description);
}

gboolean DrawLogoPanel(GtkWidget* panel, cairo_t* cr, gpointer crest) {
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_paint(cr);
  gdk_cairo_set_source_pixbuf(cr, static_cast<GdkPixbuf*>(crest), 0, 0);
  cairo_paint(cr);
  WriteLogoLines(panel, cr, gtk_widget_get_allocated_width(panel));
  return TRUE;
}

}  // namespace

GtkWidget* MakeLogoPanel(GdkPixbuf* crest, int width, int height) {
  GtkWidget* panel = gtk_drawing_area_new();
  gtk_widget_set_size_request(panel, width, height);
  g_object_ref(crest);
  g_signal_connect_data(
      panel, "draw", G_CALLBACK(DrawLogoPanel), crest,
      [](gpointer data, GClosure*) { g_object_unref(data); }, GConnectFlags{});
  return panel;
}

}  // namespace verdant
