// The PNG holds the colours the trace says were drawn (native build: it reads the file back
// with libpng).
#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "saver/render/render_main.h"

namespace verdant {
namespace {

namespace fs = std::filesystem;

struct Rgb {
  std::vector<unsigned char> bytes;
  int width = 0;
  unsigned Pixel(int x, int y) const {
    const unsigned char* p = &bytes[(std::size_t(y) * width + x) * 3];
    return p[0] << 16 | p[1] << 8 | p[2];
  }
};

Rgb ReadPng(const fs::path& path) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  Rgb rgb;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return rgb;
  image.format = PNG_FORMAT_RGB;
  rgb.bytes.resize(PNG_IMAGE_SIZE(image));
  rgb.width = image.width;
  if (!png_image_finish_read(&image, nullptr, rgb.bytes.data(), 0, nullptr)) rgb.bytes.clear();
  return rgb;
}

TEST(RenderPngTest, EachTracedBandShowsItsPaletteColour) {
  const fs::path folder = fs::temp_directory_path() / "verdant-render-png";
  fs::create_directories(folder);
  const int width = 40, height = 30;
  const std::vector<std::string> args = {"--width",      "40",
                                         "--height",     "30",
                                         "--seed",       "1",
                                         "--ticks",      "2",
                                         "--number",     "0",
                                         "--bkgnd-tone", "10",
                                         "--png",        (folder / "f.png").string(),
                                         "--trace",      (folder / "t.txt").string()};
  const std::vector<std::string_view> views(args.begin(), args.end());
  base::StringWriter out, err;
  ASSERT_EQ(RenderMain(views, out, err), 0) << err.text;

  const Rgb frame = ReadPng(folder / "f.png");
  ASSERT_EQ(frame.bytes.size(), std::size_t(width) * height * 3);
  // The frame shows the last screen: the bands after the last palette record.
  std::vector<unsigned> palette;
  std::vector<std::string> bands;
  std::ifstream trace(folder / "t.txt");
  for (std::string line; std::getline(trace, line);) {
    std::istringstream record(line);
    std::string kind;
    record >> kind;
    if (kind == "palette") {
      int first = 0, count = 0;
      record >> first >> count;
      palette.clear();
      for (std::string entry; record >> entry;) palette.push_back(std::stoul(entry, nullptr, 16));
      bands.clear();
    } else if (kind == "rect") {
      bands.push_back(line);
    }
  }
  int checked = 0;
  for (const std::string& band : bands) {
    std::istringstream record(band.substr(5));
    int left = 0, top = 0, right = 0, bottom = 0;
    std::string colour;
    record >> left >> top >> right >> bottom >> colour;
    if (top >= height) continue;
    const unsigned expected = palette.at(std::stoi(colour.substr(1)));
    // The band, seen at two opposite corners, is its palette entry.
    EXPECT_EQ(frame.Pixel(left, top), expected) << band;
    EXPECT_EQ(frame.Pixel(right - 1, std::min(bottom, height) - 1), expected) << band;
    ++checked;
  }
  EXPECT_EQ(checked, 30);  // "Rainbow": 35 bands of 30 / 35 + 1 = 1 row, 30 of them on screen
  fs::remove_all(folder);
}

}  // namespace
}  // namespace verdant
