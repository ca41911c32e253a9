#include "saver/resources/bitmap16.h"

#include "base/byte_order.h"

namespace verdant {
namespace {

// Appends in the file's little-endian order.
void Put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
  out.resize(out.size() + 2);
  base::PutLittle16(out, out.size() - 2, v);
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.resize(out.size() + 4);
  base::PutLittle32(out, out.size() - 4, v);
}

constexpr std::uint32_t kHeadersSize = 14 + 40 + 16 * 4;

}  // namespace

void Bitmap16::Set(int x, int y, std::uint8_t color) {
  if (x >= 0 && y >= 0 && x < width && y < height) pixels[y * width + x] = color & 0x0F;
}

std::vector<std::uint8_t> EncodeBmp(const Bitmap16& bitmap) {
  const std::uint32_t stride = ((bitmap.width + 1) / 2 + 3) / 4 * 4;
  const std::uint32_t image_size = stride * bitmap.height;
  std::vector<std::uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  Put32(out, kHeadersSize + image_size);
  Put32(out, 0);
  Put32(out, kHeadersSize);
  Put32(out, 40);  // BITMAPINFOHEADER
  Put32(out, bitmap.width);
  Put32(out, bitmap.height);  // positive: the bottom row comes first
  Put16(out, 1);
  Put16(out, 4);
  Put32(out, 0);  // no compression
  Put32(out, image_size);
  Put32(out, 2835);  // 72 dots per inch
  Put32(out, 2835);
  Put32(out, 16);
  Put32(out, 16);
  for (const Rgb& c : bitmap.palette) {
    out.insert(out.end(), {c.blue, c.green, c.red, 0});
  }
  for (int y = bitmap.height - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(stride, 0);
    for (int x = 0; x < bitmap.width; ++x) {
      row[x / 2] |= x % 2 ? bitmap.At(x, y) : bitmap.At(x, y) << 4;
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

}  // namespace verdant
