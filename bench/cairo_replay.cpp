#include "bench/cairo_replay.h"

#include <algorithm>

namespace verdant {

CairoCanvas::CairoCanvas(int width, int height)
    : image_(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height)),
      context_(cairo_create(image_)) {
  cairo_set_antialias(context_, CAIRO_ANTIALIAS_NONE);
  cairo_set_line_cap(context_, CAIRO_LINE_CAP_ROUND);
}

CairoCanvas::~CairoCanvas() {
  cairo_destroy(context_);
  cairo_surface_destroy(image_);
}

void CairoCanvas::Draw(const std::vector<Stroke>& strokes) {
  for (const Stroke& stroke : strokes) {
    cairo_set_source_rgb(context_, (stroke.xrgb >> 16 & 0xFF) / 255.0,
                         (stroke.xrgb >> 8 & 0xFF) / 255.0, (stroke.xrgb & 0xFF) / 255.0);
    if (stroke.width == kPixelStroke) {
      cairo_rectangle(context_, stroke.x0, stroke.y0, 1, 1);
      cairo_fill(context_);
      continue;
    }
    const int width = std::max(stroke.width, 1);
    // Odd widths centred on pixel centres, even ones on pixel corners, as ours.
    const double shift = width % 2 ? 0.5 : 0.0;
    cairo_set_line_width(context_, width);
    cairo_move_to(context_, stroke.x0 + shift, stroke.y0 + shift);
    cairo_line_to(context_, stroke.x1 + shift, stroke.y1 + shift);
    cairo_stroke(context_);
  }
}

}  // namespace verdant
