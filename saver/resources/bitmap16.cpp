#include "saver/resources/bitmap16.h"

#include "base/byte_order.h"

namespace verdant {
namespace {

using base::AppendLittle16;
using base::AppendLittle32;

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
  AppendLittle32(out, kHeadersSize + image_size);
  AppendLittle32(out, 0);
  AppendLittle32(out, kHeadersSize);
  AppendLittle32(out, 40);  // BITMAPINFOHEADER
  AppendLittle32(out, bitmap.width);
  AppendLittle32(out, bitmap.height);  // positive: the bottom row comes first
  AppendLittle16(out, 1);
  AppendLittle16(out, 4);
  AppendLittle32(out, 0);  // no compression
  AppendLittle32(out, image_size);
  AppendLittle32(out, 2835);  // 72 dots per inch
  AppendLittle32(out, 2835);
  AppendLittle32(out, 16);
  AppendLittle32(out, 16);
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
