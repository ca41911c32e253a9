// make_windows_icon <file.ico>: the icon at the sizes Windows asks for, 16 to 48 pixels as DIBs
// (which XP reads too) and 256 as PNG. Built for and run on the build machine by the Windows
// build, before the resource compiler.
#include <cstdio>
#include <vector>

#include "saver/render/icon_file.h"
#include "saver/render/icon_image.h"
#include "saver/render/png_file.h"

namespace {

// libpng writes to a file: a temporary one, read back whole.
std::vector<std::uint8_t> PngBytes(int size, const std::vector<std::uint32_t>& argb) {
  std::vector<std::uint8_t> bytes;
  std::FILE* file = std::tmpfile();
  if (!file) return bytes;
  if (verdant::WritePngWithAlpha(file, size, size, argb.data()) && std::fflush(file) == 0) {
    std::rewind(file);
    for (int c; (c = std::fgetc(file)) != EOF;) bytes.push_back(std::uint8_t(c));
  }
  std::fclose(file);
  return bytes;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: make_windows_icon <file.ico>\n", stderr);
    return 2;
  }
  const std::vector<std::uint32_t> plant = verdant::DrawIconPlant();
  std::vector<verdant::IconPicture> pictures;
  for (int size : {16, 24, 32, 48, 256}) {
    verdant::IconPicture picture{
        size, verdant::ShrinkToIcon(plant, verdant::kIconDrawSize, size), {}};
    if (size == 256) {
      picture.png = PngBytes(size, picture.argb);
      if (picture.png.empty()) {
        std::fputs("make_windows_icon: cannot encode the PNG picture\n", stderr);
        return 1;
      }
    }
    pictures.push_back(std::move(picture));
  }
  const std::vector<std::uint8_t> bytes = verdant::EncodeIconFile(pictures);
  std::FILE* out = std::fopen(argv[1], "wb");
  const bool written = out && std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
  if ((out && std::fclose(out) != 0) || !written) {
    std::fprintf(stderr, "make_windows_icon: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
