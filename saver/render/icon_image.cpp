#include "saver/render/icon_image.h"

#include "saver/animation/saver_cycle.h"
#include "saver/render/headless_window.h"
#include "saver/render/options_profile.h"
#include "saver/surface/software_surface.h"

namespace verdant {
namespace {

// Picked by eye: a whole tree, upright in the middle of the square.
constexpr std::int64_t kIconSeed = 2;

}  // namespace

std::vector<std::uint32_t> DrawIconPlant() {
  OptionsProfile profile({{"PlantType", 2}, {"ColorChoice", 3}, {"Number", 1}});
  SaverCycle cycle(profile);
  SoftwareSurface surface(kIconDrawSize, kIconDrawSize);
  HeadlessWindow window(surface, kIconDrawSize, kIconDrawSize, kIconSeed);
  cycle.OnCreate(window);
  cycle.OnTimer(window);
  cycle.OnDestroy(window);
  std::vector<std::uint32_t> pixels;
  pixels.reserve(std::size_t{kIconDrawSize} * kIconDrawSize);
  for (int y = 0; y < kIconDrawSize; ++y) {
    for (int x = 0; x < kIconDrawSize; ++x) pixels.push_back(surface.PixelAt(x, y));
  }
  return pixels;
}

std::vector<std::uint32_t> ShrinkToIcon(const std::vector<std::uint32_t>& xrgb, int from, int to) {
  std::vector<std::uint32_t> argb;
  argb.reserve(std::size_t(to) * to);
  for (int y = 0; y < to; ++y) {
    for (int x = 0; x < to; ++x) {
      // The block of source pixels this one covers; sides that do not divide evenly give
      // blocks that differ by a pixel.
      const int x0 = x * from / to, x1 = (x + 1) * from / to;
      const int y0 = y * from / to, y1 = (y + 1) * from / to;
      std::uint32_t red = 0, green = 0, blue = 0, painted = 0;
      for (int sy = y0; sy < y1; ++sy) {
        for (int sx = x0; sx < x1; ++sx) {
          const std::uint32_t pixel = xrgb[std::size_t(sy) * from + sx] & 0xFFFFFFu;
          if (pixel == 0) continue;
          red += pixel >> 16;
          green += (pixel >> 8) & 0xFF;
          blue += pixel & 0xFF;
          ++painted;
        }
      }
      const std::uint32_t area = std::uint32_t(x1 - x0) * std::uint32_t(y1 - y0);
      if (painted == 0) {
        argb.push_back(0);
        continue;
      }
      const std::uint32_t alpha = (painted * 255 + area / 2) / area;
      argb.push_back(alpha << 24 | (red / painted) << 16 | (green / painted) << 8 | blue / painted);
    }
  }
  return argb;
}

}  // namespace verdant
