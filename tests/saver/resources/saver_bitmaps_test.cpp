#include "saver/resources/saver_bitmaps.h"

#include <gtest/gtest.h>

#include <set>

namespace verdant {
namespace {

std::uint32_t Read32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

TEST(SaverBitmapsTest, BackgroundTileIsCyanWithBlueWhereColumnAndRowAreOdd) {
  Bitmap16 tile = MakeBackgroundTile();
  ASSERT_EQ(tile.width, 8);
  ASSERT_EQ(tile.height, 8);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) {
      const Rgb& c = tile.palette[tile.At(x, y)];
      bool blue = x % 2 == 1 && y % 2 == 1;
      EXPECT_EQ(c.red, 0);
      EXPECT_EQ(c.green, blue ? 0 : 255) << x << "," << y;
      EXPECT_EQ(c.blue, 255);
    }
  }
}

TEST(SaverBitmapsTest, BmpHasSixteenColoursAndBottomUpPaddedRows) {
  Bitmap16 tile = MakeBackgroundTile();
  auto bytes = EncodeBmp(tile);
  ASSERT_EQ(bytes.size(), 14u + 40 + 64 + 8 * 4);  // 8 pixels = 4 bytes, already aligned
  EXPECT_EQ(bytes[0], 'B');
  EXPECT_EQ(bytes[1], 'M');
  EXPECT_EQ(Read32(bytes, 2), bytes.size());
  EXPECT_EQ(Read32(bytes, 10), 118u);  // pixel data offset
  EXPECT_EQ(Read32(bytes, 18), 8u);
  EXPECT_EQ(Read32(bytes, 22), 8u);
  EXPECT_EQ(bytes[28], 4);                    // bits per pixel
  EXPECT_EQ(Read32(bytes, 46), 16u);          // colours used
  EXPECT_EQ(Read32(bytes, 54), 0x0000FFFFu);  // entry 0 as blue, green, red, 0: cyan
  // The last row of the picture comes first: row 7 is odd, so blue at odd columns.
  EXPECT_EQ(bytes[118], 0x01);
  EXPECT_EQ(bytes[118 + 4], 0x00);  // row 6: all cyan
}

TEST(SaverBitmapsTest, OddWidthsArePaddedToFourBytes) {
  Bitmap16 b(9, 2, 3);
  b.Set(8, 0, 5);
  b.Set(-1, 0, 7);  // outside: ignored
  b.Set(9, 1, 7);
  auto bytes = EncodeBmp(b);
  ASSERT_EQ(bytes.size(), 118u + 2 * 8);
  // Bottom row (y 1) first: 9 pixels of 3 in 5 bytes, then 3 padding bytes.
  EXPECT_EQ(bytes[118], 0x33);
  EXPECT_EQ(bytes[122], 0x30);
  EXPECT_EQ(bytes[125], 0x00);
  EXPECT_EQ(bytes[126 + 4], 0x50);  // top row: pixel 8 is 5
}

TEST(SaverBitmapsTest, CrestMarkIsAFramedPictureOfSeveralColours) {
  Bitmap16 crest = MakeCrestMark();
  ASSERT_EQ(crest.width, 200);
  ASSERT_EQ(crest.height, 150);
  std::set<int> used(crest.pixels.begin(), crest.pixels.end());
  EXPECT_GE(used.size(), 8u);
  EXPECT_EQ(crest.At(0, 0), crest.At(199, 149));
  EXPECT_EQ(EncodeBmp(crest).size(), 118u + 100 * 150);
}

}  // namespace
}  // namespace verdant
