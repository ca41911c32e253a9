// One-pixel lines: end pixel left out, and clipping that never changes which pixels a line
// paints inside the frame, however far its ends lie.
#include <gtest/gtest.h>

#include <climits>
#include <tuple>

#include "tests/saver/surface/painted_pixels.h"

namespace verdant {
namespace {

TEST(ThinLine, PaintsFromStartUpToButNotIncludingTheEnd) {
  SoftwareSurface surface(20, 20);
  DrawWhiteLine(surface, 2, 5, 8, 5);
  EXPECT_EQ(PaintedPixels(surface), (PixelSet{{2, 5}, {3, 5}, {4, 5}, {5, 5}, {6, 5}, {7, 5}}));

  SoftwareSurface steep(20, 20);
  DrawWhiteLine(steep, 4, 10, 3, 6);
  EXPECT_EQ(PaintedPixels(steep), (PixelSet{{4, 10}, {4, 9}, {3, 8}, {3, 7}}));
}

TEST(ThinLine, WidthZeroAndOneAreTheSameLine) {
  SoftwareSurface zero(30, 30);
  SoftwareSurface one(30, 30);
  DrawWhiteLine(zero, 1, 2, 27, 13, 0);
  DrawWhiteLine(one, 1, 2, 27, 13, 1);
  EXPECT_EQ(PaintedPixels(zero).size(), 26u);
  EXPECT_EQ(PaintedPixels(zero), PaintedPixels(one));
}

// Exactly half way between two pixels the line takes the smaller coordinate: up for a line
// wider than high, left for one higher than wide, whichever way it runs; long lines (drawn by
// the walk, not the short-line table) and clipped ones (a start off the frame) alike.
TEST(ThinLine, HalfWayGoesUpOrLeftInEveryDirection) {
  struct Case {
    int dx, dy;
    std::pair<int, int> second;  // the pixel one step from the start at (20, 20)
  };
  const Case cases[] = {{10, 5, {21, 20}},   {10, -5, {21, 19}}, {-10, 5, {19, 20}},
                        {-10, -5, {19, 19}}, {5, 10, {20, 21}},  {-5, 10, {19, 21}},
                        {5, -10, {20, 19}},  {-5, -10, {19, 19}}};
  for (const Case& c : cases) {
    for (int scale : {1, 3}) {
      SoftwareSurface surface(60, 60);
      DrawWhiteLine(surface, 20, 20, 20 + c.dx * scale, 20 + c.dy * scale);
      EXPECT_TRUE(PaintedPixels(surface).count(c.second)) << c.dx << "," << c.dy << " x" << scale;
      // The same line entering the frame from far off paints the same pixels in it.
      SoftwareSurface clipped(60, 60);
      DrawWhiteLine(clipped, 20 - 40 * c.dx, 20 - 40 * c.dy, 20 + c.dx * scale, 20 + c.dy * scale);
      EXPECT_TRUE(PaintedPixels(clipped).count(c.second)) << c.dx << "," << c.dy << " clipped";
    }
  }
}

TEST(ThinLine, ZeroLengthPaintsNothing) {
  SoftwareSurface surface(10, 10);
  DrawWhiteLine(surface, 4, 4, 4, 4);
  EXPECT_TRUE(PaintedPixels(surface).empty());
}

TEST(ThinLine, ClippedLinePaintsTheSamePixelsAsTheWholeLine) {
  const std::tuple<int, int, int, int> lines[] = {
      {-30, 7, 70, 33},     {70, 33, -30, 7},    {5, -150, 31, 180}, {31, 180, 5, -150},
      {-90, -80, 120, 95},  {120, -80, -90, 95}, {-1, 20, 41, 20},   {17, -5, 17, 60},
      {-150, -149, 39, 39}, {39, 0, -150, 190}};
  for (const auto& [x0, y0, x1, y1] : lines) {
    const PixelSet expected = WholeLineWindow(x0, y0, x1, y1, 40);
    EXPECT_EQ(LineInFrame(x0, y0, x1, y1, 40), expected)
        << x0 << "," << y0 << " " << x1 << "," << y1;
    EXPECT_FALSE(expected.empty());
  }
}

// Short lines with both ends in the frame come from a table of shapes, the others are stepped
// through; both must agree for every short direction, wherever the frame cuts the line.
TEST(ThinLine, ShortLinesMatchTheSteppedOnes) {
  constexpr int kSize = 10;
  for (const auto& [x0, y0] : {std::pair{0, 0}, {9, 9}, {0, 9}, {9, 0}, {4, 5}}) {
    for (int dy = -9; dy <= 9; ++dy) {
      for (int dx = -9; dx <= 9; ++dx) {
        const PixelSet drawn = LineInFrame(x0, y0, x0 + dx, y0 + dy, kSize);
        EXPECT_EQ(drawn, WholeLineWindow(x0, y0, x0 + dx, y0 + dy, kSize))
            << x0 << "," << y0 << " by " << dx << "," << dy;
      }
    }
  }
  // Halfway points round away from the start.
  EXPECT_EQ(LineInFrame(4, 5, 8, 3, kSize), (PixelSet{{4, 5}, {5, 4}, {6, 4}, {7, 3}}));
}

TEST(ThinLine, FarOffEndsAreClippedExactly) {
  SoftwareSurface surface(50, 50);
  DrawWhiteLine(surface, -1000000000, -1000000000, 1000000000, 1000000000);
  PixelSet diagonal;
  for (int i = 0; i < 50; ++i) diagonal.insert({i, i});
  EXPECT_EQ(PaintedPixels(surface), diagonal);

  SoftwareSurface extreme(50, 50);
  DrawWhiteLine(extreme, INT_MIN, 25, INT_MAX, 25);
  DrawWhiteLine(extreme, INT_MAX, INT_MAX, INT_MIN, INT_MIN);
  DrawWhiteLine(extreme, INT_MIN, INT_MAX, INT_MAX, INT_MIN);
  for (int x = 0; x < 50; ++x) EXPECT_NE(extreme.PixelAt(x, 25), 0u) << x;
}

TEST(ThinLine, LinesThatMissTheFramePaintNothing) {
  SoftwareSurface surface(30, 30);
  DrawWhiteLine(surface, -10, -10, 40, -1);
  DrawWhiteLine(surface, 31, -5, 100, 35);
  DrawWhiteLine(surface, -1000000, 31, 1000000, 31);
  // Passes just outside the corner.
  DrawWhiteLine(surface, -5, 3, 3, -5);
  EXPECT_TRUE(PaintedPixels(surface).empty());
}

}  // namespace
}  // namespace verdant
