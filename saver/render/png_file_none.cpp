#include "saver/render/png_file.h"

namespace verdant {

bool PngOutputAvailable() {
  return false;
}

bool WritePng(std::FILE*, int, int, const std::uint32_t*, int) {
  return false;
}

bool WritePngWithAlpha(std::FILE*, int, int, const std::uint32_t*) {
  return false;
}

}  // namespace verdant
