#pragma once
// The dialog's colours: red text on cyan for the labels, frames, check box and buttons, the
// patterned background, and the logo panel's black with blue text. Lists and fields keep the
// desktop's colours.
#include <gtk/gtk.h>

namespace verdant {

inline constexpr GdkRGBA kLogoTextBlue = {0.0, 0.0, 1.0, 1.0};

// Installs the dialog's style sheet for the screen; once per process.
void InstallDialogStyle();

// Marks a label, frame, check box or button to be drawn red on cyan.
void PaintRedOnCyan(GtkWidget* widget);

// Marks the dialog window, whose own background is left to TileBackground.
void MarkDialogWindow(GtkWidget* window);

// Marks the logo panel's frame: black, as the panel it holds.
void MarkLogoFrame(GtkWidget* frame);

// Fills the whole of cr with the tile repeated from the top-left corner.
void TileBackground(cairo_t* cr, GdkPixbuf* tile);

}  // namespace verdant
