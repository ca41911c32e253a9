#pragma once
// The dialog's 16-colour pictures as GTK images.
#include <gdk-pixbuf/gdk-pixbuf.h>

#include "saver/resources/bitmap16.h"

namespace verdant {

// An RGB pixbuf of the same size, each pixel the palette colour of its index; the caller owns
// the reference.
GdkPixbuf* MakePixbuf(const Bitmap16& bitmap);

}  // namespace verdant
