#include "saver/render/icon_file.h"

#include <gtest/gtest.h>

#include "base/byte_order.h"

namespace verdant {
namespace {

using base::GetLittle16;

std::uint32_t Get32(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
  return GetLittle16(bytes, offset) | std::uint32_t{GetLittle16(bytes, offset + 2)} << 16;
}

TEST(IconFileTest, EntriesPointAtTheirPicturesAndA256PixelPngKeepsItsBytes) {
  const IconPicture two{2, {0xFF102030, 0x00000000, 0x80FFFFFF, 0xFF000000}, {}};
  const IconPicture big{256, {}, {0x89, 'P', 'N', 'G'}};
  const std::vector<std::uint8_t> file = EncodeIconFile({two, big});
  ASSERT_GE(file.size(), 6u + 2 * 16);
  EXPECT_EQ(GetLittle16(file, 2), 1);  // an icon
  EXPECT_EQ(GetLittle16(file, 4), 2);
  // The 2-pixel DIB: header, 4 BGRA pixels, two mask rows of 4 bytes.
  EXPECT_EQ(file[6], 2);
  EXPECT_EQ(Get32(file, 6 + 8), 40u + 16 + 8);
  const std::size_t dib = Get32(file, 6 + 12);
  EXPECT_EQ(dib, 6u + 2 * 16);
  EXPECT_EQ(Get32(file, dib + 8), 4u);  // twice the height: colour rows, then the mask
  // Rows bottom first: the bottom row's left pixel first; the mask marks only the fully
  // transparent top-right pixel.
  EXPECT_EQ(Get32(file, dib + 40), 0x80FFFFFFu);
  EXPECT_EQ(Get32(file, dib + 48), 0xFF102030u);
  EXPECT_EQ(file[dib + 56], 0x00);
  EXPECT_EQ(file[dib + 60], 0x40);
  // 256 is written as 0; the PNG follows the DIB unchanged.
  EXPECT_EQ(file[6 + 16], 0);
  const std::size_t png = Get32(file, 6 + 16 + 12);
  EXPECT_EQ(png, dib + 40 + 16 + 8);
  EXPECT_EQ(std::vector<std::uint8_t>(file.begin() + png, file.end()), big.png);
}

}  // namespace
}  // namespace verdant
