#pragma once
// The dialog's logo panel: the crest picture at its top-left corner, cut at the panel's edges,
// on black, with the title, version and notice lines in blue where LayoutLogoLines puts them.
#include <gtk/gtk.h>

namespace verdant {

// A drawing area of the given size that paints the panel; it keeps a reference to the crest.
GtkWidget* MakeLogoPanel(GdkPixbuf* crest, int width, int height);

}  // namespace verdant
