#pragma once
// The reference renderer: recorded strokes drawn with cairo on an RGB24 image, without
// antialiasing, with round caps and the same pen widths (0 drawn as 1).
#include <cairo.h>

#include <vector>

#include "bench/stroke_recorder.h"

namespace verdant {

class CairoCanvas {
 public:
  CairoCanvas(int width, int height);
  ~CairoCanvas();
  CairoCanvas(const CairoCanvas&) = delete;
  CairoCanvas& operator=(const CairoCanvas&) = delete;

  void Draw(const std::vector<Stroke>& strokes);
  // Makes sure the image is written before the clock stops.
  void Flush() { cairo_surface_flush(image_); }

 private:
  cairo_surface_t* image_;
  cairo_t* context_;
};

}  // namespace verdant
