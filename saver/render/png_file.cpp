#include "saver/render/png_file.h"

#include <png.h>

#include <csetjmp>

namespace verdant {
namespace {

// libpng's own handlers print lines of their own; the caller reports a failure in one of ours.
[[noreturn]] void OnPngError(png_structp png, png_const_charp) {
  png_longjmp(png, 1);
}
void OnPngWarning(png_structp, png_const_charp) {}

// XRGB rows as RGB, or ARGB rows as RGBA: a little-endian word is the bytes B, G, R, X (or A),
// so the rows are swapped to RGB order and the filler dropped or kept.
bool WriteRows(std::FILE* file, int width, int height, const std::uint32_t* pixels, int stride,
               bool alpha) {
  png_structp png =
      png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, OnPngError, OnPngWarning);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  // libpng reports errors by a jump back here; nothing with a destructor lives in between.
  if (!info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_init_io(png, file);
  png_set_IHDR(png, info, width, height, 8, alpha ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  png_set_bgr(png);
  if (!alpha) png_set_filler(png, 0, PNG_FILLER_AFTER);
  for (int y = 0; y < height; ++y) {
    png_write_row(png, reinterpret_cast<png_const_bytep>(pixels + std::size_t(y) * stride));
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

bool PngOutputAvailable() {
  return true;
}

bool WritePng(std::FILE* file, int width, int height, const std::uint32_t* pixels, int stride) {
  return WriteRows(file, width, height, pixels, stride, false);
}

bool WritePngWithAlpha(std::FILE* file, int width, int height, const std::uint32_t* pixels) {
  return WriteRows(file, width, height, pixels, width, true);
}

}  // namespace verdant
