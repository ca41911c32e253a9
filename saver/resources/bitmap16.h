#pragma once
// A 16-colour picture and its BMP file form (4 bits per pixel, bottom-up rows), as the
// resource compiler takes it.
#include <array>
#include <cstdint>
#include <vector>

namespace verdant {

struct Rgb {
  std::uint8_t red, green, blue;
};

struct Bitmap16 {
  Bitmap16(int w, int h, std::uint8_t fill) : width(w), height(h), pixels(w * h, fill) {}
  // Points outside the picture are ignored, so shapes may run over the edges.
  void Set(int x, int y, std::uint8_t color);
  std::uint8_t At(int x, int y) const { return pixels[y * width + x]; }

  int width;
  int height;
  std::vector<std::uint8_t> pixels;  // palette indices, row by row from the top
  std::array<Rgb, 16> palette{};
};

std::vector<std::uint8_t> EncodeBmp(const Bitmap16& bitmap);

}  // namespace verdant
