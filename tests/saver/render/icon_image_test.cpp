#include "saver/render/icon_image.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace verdant {
namespace {

TEST(IconImageTest, ABlockBecomesTheMeanOfItsPaintedPixelsWithTheirShareAsAlpha) {
  // Two painted pixels of four: half opaque, their mean colour; black stays out of the mean.
  const std::vector<std::uint32_t> square{0x00FF0000, 0x00000000, 0x0000FF00, 0x00000000};
  EXPECT_EQ(ShrinkToIcon(square, 2, 1), std::vector<std::uint32_t>{0x807F7F00});
  EXPECT_EQ(ShrinkToIcon({0, 0, 0, 0}, 2, 1), std::vector<std::uint32_t>{0});
  // The filler byte of XRGB is not a colour.
  EXPECT_EQ(ShrinkToIcon({0xFF000000}, 1, 1), std::vector<std::uint32_t>{0});
  EXPECT_EQ(ShrinkToIcon({0x00123456}, 1, 1), std::vector<std::uint32_t>{0xFF123456});
}

TEST(IconImageTest, SidesThatDoNotDivideCoverEverySourcePixelOnce) {
  std::vector<std::uint32_t> painted(7 * 7, 0x00FFFFFF);
  const auto icon = ShrinkToIcon(painted, 7, 3);
  ASSERT_EQ(icon.size(), 9u);
  EXPECT_TRUE(std::all_of(icon.begin(), icon.end(), [](auto p) { return p == 0xFFFFFFFF; }));
}

// A tree, not one tick's black screen (a setting not taken, a draw out of order).
TEST(IconImageTest, TheIconHoldsAPlant) {
  const auto plant = DrawIconPlant();
  ASSERT_EQ(plant.size(), std::size_t{kIconDrawSize} * kIconDrawSize);
  EXPECT_GT(std::count_if(plant.begin(), plant.end(), [](auto p) { return p != 0; }), 2000);
}

}  // namespace
}  // namespace verdant
