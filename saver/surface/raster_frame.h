#pragma once
// The framebuffer the software surface's rasteriser paints: 32-bit XRGB pixels. Every
// rasteriser clips to the frame, whatever the end points; no intermediate value can overflow.
#include <cstddef>
#include <cstdint>

namespace verdant {

// The pixels of row y start at pixels + y * stride.
struct Frame {
  std::uint32_t* pixels;
  int width;
  int height;
  std::ptrdiff_t stride;
};

}  // namespace verdant
