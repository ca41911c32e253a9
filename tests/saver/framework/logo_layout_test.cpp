#include "saver/framework/logo_layout.h"

#include <gtest/gtest.h>

namespace verdant {
namespace {

TEST(LogoLayoutTest, PlacesTheFourLinesFromTheFontMetrics) {
  // title: H 20 E 2 W 9; version: H 12 E 1 W 6; notice: H 10 E 1 W 5.
  std::array<LogoFontMetrics, 3> fonts = {{{20, 2, 9}, {12, 1, 6}, {10, 1, 5}}};
  auto lines = LayoutLogoLines(0, 151, fonts);

  EXPECT_EQ(lines[0].text, "Verdant Drift");
  EXPECT_EQ(lines[0].font, 0);
  EXPECT_EQ(lines[0].x, (151 - 13 * 9) / 2 - 5);  // 17 - 5
  EXPECT_EQ(lines[0].y, 4);

  EXPECT_EQ(lines[1].text, "Version 1.0");
  EXPECT_EQ(lines[1].font, 1);
  EXPECT_EQ(lines[1].x, (151 - 11 * 6) / 2 - 5);
  EXPECT_EQ(lines[1].y, 4 + 18);

  EXPECT_EQ(lines[2].font, 2);
  EXPECT_EQ(lines[2].x, 4 * 5);
  EXPECT_EQ(lines[2].y, 22 + 1 + 12 + 3);

  EXPECT_EQ(lines[3].font, 2);
  EXPECT_EQ(lines[3].x, (151 - static_cast<int>(kLogoNotice2.size()) * 5) / 2);
  EXPECT_EQ(lines[3].y, 38 + 1 + 10);
}

TEST(LogoLayoutTest, OddHeightsAndWideTextsTruncateTowardZero) {
  std::array<LogoFontMetrics, 3> fonts = {{{19, 0, 20}, {13, 0, 30}, {9, 0, 7}}};
  auto lines = LayoutLogoLines(0, 100, fonts);
  EXPECT_EQ(lines[0].x, (100 - 260) / 2 - 5);  // -80 - 5: wider than the panel
  EXPECT_EQ(lines[1].x, (100 - 330) / 2 - 5);  // -115 - 5
  EXPECT_EQ(lines[1].y, 19);                   // 39 / 2
  EXPECT_EQ(lines[2].y, 19 + 13);
}

}  // namespace
}  // namespace verdant
