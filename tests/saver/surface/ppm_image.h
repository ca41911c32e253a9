#pragma once
// Pictures passed between a Windows peer and a native test as binary PPM (P6): no image
// library is needed on either side. Pixels are 32-bit XRGB in memory.
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace verdant::testing {

struct XrgbImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // row by row, top row first
};

inline bool WritePpm(const std::string& path, int width, int height, const std::uint32_t* pixels,
                     std::ptrdiff_t stride) {
  std::ofstream out(path, std::ios::binary);
  out << "P6\n" << width << ' ' << height << "\n255\n";
  std::vector<char> row(std::size_t(width) * 3);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::uint32_t pixel = pixels[y * stride + x];
      row[3 * x] = static_cast<char>(pixel >> 16);
      row[3 * x + 1] = static_cast<char>(pixel >> 8);
      row[3 * x + 2] = static_cast<char>(pixel);
    }
    out.write(row.data(), static_cast<std::streamsize>(row.size()));
  }
  return static_cast<bool>(out);
}

inline std::optional<XrgbImage> ReadPpm(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string magic;
  int maximum = 0;
  XrgbImage image;
  in >> magic >> image.width >> image.height >> maximum;
  in.get();  // the one blank before the pixels
  if (!in || magic != "P6" || maximum != 255 || image.width <= 0 || image.height <= 0) return {};
  std::vector<unsigned char> bytes(std::size_t(image.width) * image.height * 3);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!in) return {};
  image.pixels.resize(bytes.size() / 3);
  for (std::size_t i = 0; i < image.pixels.size(); ++i) {
    image.pixels[i] =
        std::uint32_t{bytes[3 * i]} << 16 | std::uint32_t{bytes[3 * i + 1]} << 8 | bytes[3 * i + 2];
  }
  return image;
}

}  // namespace verdant::testing
