#include "saver/gtk/bitmap_pixbuf.h"

namespace verdant {

GdkPixbuf* MakePixbuf(const Bitmap16& bitmap) {
  GdkPixbuf* pixbuf = gdk_pixbuf_new(GDK_COLORSPACE_RGB, FALSE, 8, bitmap.width, bitmap.height);
  const int stride = gdk_pixbuf_get_rowstride(pixbuf);
  guchar* rows = gdk_pixbuf_get_pixels(pixbuf);
  for (int y = 0; y < bitmap.height; ++y) {
    guchar* pixel = rows + y * stride;
    for (int x = 0; x < bitmap.width; ++x, pixel += 3) {
      const Rgb& colour = bitmap.palette[bitmap.At(x, y) & 0x0F];
      pixel[0] = colour.red;
      pixel[1] = colour.green;
      pixel[2] = colour.blue;
    }
  }
  return pixbuf;
}

}  // namespace verdant
