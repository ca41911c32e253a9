#include "saver/render/icon_file.h"

#include "base/byte_order.h"

namespace verdant {
namespace {

using base::AppendLittle16;
using base::AppendLittle32;

constexpr std::size_t kDirectoryBytes = 6;
constexpr std::size_t kEntryBytes = 16;
constexpr std::size_t kInfoHeaderBytes = 40;  // BITMAPINFOHEADER

// The DIB of an icon: the header with twice the height (colour rows, then mask rows), the BGRA
// rows bottom first, and the 1-bit mask, set where a pixel is fully transparent.
std::vector<std::uint8_t> EncodeDib(const IconPicture& picture) {
  const int size = picture.size;
  const std::size_t mask_row = (std::size_t(size) + 31) / 32 * 4;
  std::vector<std::uint8_t> dib;
  AppendLittle32(dib, kInfoHeaderBytes);
  AppendLittle32(dib, std::uint32_t(size));
  AppendLittle32(dib, std::uint32_t(size) * 2);
  AppendLittle16(dib, 1);   // planes
  AppendLittle16(dib, 32);  // bits per pixel
  AppendLittle32(dib, 0);   // BI_RGB
  AppendLittle32(dib, std::uint32_t(std::size_t(size) * size * 4 + mask_row * size));
  for (int i = 0; i < 4; ++i) AppendLittle32(dib, 0);
  for (int y = size - 1; y >= 0; --y) {
    for (int x = 0; x < size; ++x) AppendLittle32(dib, picture.argb[std::size_t(y) * size + x]);
  }
  for (int y = size - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(mask_row, 0);
    for (int x = 0; x < size; ++x) {
      if (picture.argb[std::size_t(y) * size + x] >> 24 == 0) row[x / 8] |= 0x80 >> (x % 8);
    }
    dib.insert(dib.end(), row.begin(), row.end());
  }
  return dib;
}

}  // namespace

std::vector<std::uint8_t> EncodeIconFile(const std::vector<IconPicture>& pictures) {
  std::vector<std::uint8_t> file;
  AppendLittle16(file, 0);
  AppendLittle16(file, 1);  // an icon, not a cursor
  AppendLittle16(file, std::uint16_t(pictures.size()));
  std::vector<std::vector<std::uint8_t>> images;
  std::uint32_t offset = std::uint32_t(kDirectoryBytes + kEntryBytes * pictures.size());
  for (const IconPicture& picture : pictures) {
    images.push_back(picture.png.empty() ? EncodeDib(picture) : picture.png);
    const std::uint8_t side = picture.size >= 256 ? 0 : std::uint8_t(picture.size);  // 0 is 256
    file.push_back(side);
    file.push_back(side);
    file.push_back(0);  // not a palette picture
    file.push_back(0);
    AppendLittle16(file, 1);
    AppendLittle16(file, 32);
    AppendLittle32(file, std::uint32_t(images.back().size()));
    AppendLittle32(file, offset);
    offset += std::uint32_t(images.back().size());
  }
  for (const auto& image : images) file.insert(file.end(), image.begin(), image.end());
  return file;
}

}  // namespace verdant
