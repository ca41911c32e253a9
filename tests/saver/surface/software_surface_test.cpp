// Colours, wide lines, rectangles and pixels of the software surface.
#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <tuple>

#include "tests/saver/surface/painted_pixels.h"

namespace verdant {
namespace {

constexpr std::array<PaletteEntry, 4> kEntries = {
    {{0, 0, 0, 0}, {10, 20, 30, 0}, {200, 100, 50, kPcReserved}, {1, 2, 3, 0}}};

// A surface with a four-entry palette selected and realised, as the saver draws.
struct PaletteSurface {
  SoftwareSurface surface{16, 16};
  GdiHandle palette = surface.CreatePalette(kEntries);
  PaletteSurface() {
    surface.SelectPalette(palette);
    surface.RealizePalette();
  }
};

TEST(SurfaceColors, PaletteIndexTakesTheEntryWhenDrawn) {
  PaletteSurface s;
  s.surface.SetPixel(1, 1, PaletteIndex(2));
  const PaletteEntry changed{7, 8, 9, 0};
  s.surface.SetPaletteEntries(s.palette, 2, std::span(&changed, 1));
  s.surface.SetPixel(2, 1, PaletteIndex(2));
  EXPECT_EQ(s.surface.PixelAt(1, 1), 0xC86432u);  // drawn pixels keep their colour
  EXPECT_EQ(s.surface.PixelAt(2, 1), 0x070809u);
}

TEST(SurfaceColors, IndexPastThePaletteTakesEntryZero) {
  PaletteSurface s;
  const PaletteEntry grey{90, 90, 90, 0};
  s.surface.SetPaletteEntries(s.palette, 0, std::span(&grey, 1));
  s.surface.SetPixel(0, 0, PaletteIndex(4));
  s.surface.SetPixel(1, 0, PaletteIndex(0xFFFF));
  EXPECT_EQ(s.surface.PixelAt(0, 0), 0x5A5A5Au);
  EXPECT_EQ(s.surface.PixelAt(1, 0), 0x5A5A5Au);
}

TEST(SurfaceColors, RgbIsExactAndTheDefaultPaletteServesBeforeAnyIsSelected) {
  SoftwareSurface surface(4, 4);
  surface.SetPixel(0, 0, RgbColor(1, 2, 3));
  surface.SetPixel(1, 0, PaletteIndex(13));
  surface.SetPixel(2, 0, PaletteIndex(19));
  surface.SetPixel(3, 0, PaletteIndex(20));
  EXPECT_EQ(surface.PixelAt(0, 0), 0x010203u);
  EXPECT_EQ(surface.PixelAt(1, 0), 0xFF0000u);
  EXPECT_EQ(surface.PixelAt(2, 0), 0xFFFFFFu);
  EXPECT_EQ(surface.PixelAt(3, 0), 0x000000u);
}

TEST(SurfaceColors, SetPaletteEntriesStaysWithinThePalette) {
  PaletteSurface s;
  const std::array<PaletteEntry, 3> white = {
      {{255, 255, 255, 0}, {255, 255, 255, 0}, {255, 255, 255, 0}}};
  s.surface.SetPaletteEntries(s.palette, 3, white);  // only entry 3 exists of the three
  s.surface.SetPaletteEntries(s.palette, 4, white);
  s.surface.SetPaletteEntries(s.palette, -1, white);
  s.surface.SetPixel(0, 0, PaletteIndex(2));
  s.surface.SetPixel(1, 0, PaletteIndex(3));
  EXPECT_EQ(s.surface.PixelAt(0, 0), 0xC86432u);
  EXPECT_EQ(s.surface.PixelAt(1, 0), 0xFFFFFFu);
  EXPECT_EQ(s.surface.CreatePalette({}), 0u);
}

TEST(SurfaceColors, PenColourResolvesThroughThePaletteOfTheMoment) {
  PaletteSurface s;
  const GdiHandle pen = s.surface.CreatePen(1, PaletteIndex(1));
  s.surface.SelectObject(pen);
  s.surface.MoveToEx(0, 5);
  s.surface.LineTo(3, 5);
  const GdiHandle other = s.surface.CreatePalette(std::span(&kEntries[2], 2));
  s.surface.SelectPalette(other);
  s.surface.LineTo(6, 5);
  EXPECT_EQ(s.surface.PixelAt(0, 5), 0x0A141Eu);
  EXPECT_EQ(s.surface.PixelAt(4, 5), 0x010203u);
}

TEST(SurfacePixels, OutsideTheFrameIsIgnored) {
  SoftwareSurface surface(3, 2);
  for (const auto& [x, y] : {std::pair{-1, 0}, {3, 0}, {0, -1}, {0, 2}, {INT_MIN, INT_MAX}}) {
    surface.SetPixel(x, y, RgbColor(255, 255, 255));
  }
  EXPECT_TRUE(PaintedPixels(surface).empty());
}

// Rows of column x that a line painted.
std::set<int> RowsAt(const SoftwareSurface& surface, int x) {
  std::set<int> rows;
  for (const auto& [px, py] : PaintedPixels(surface)) {
    if (px == x) rows.insert(py);
  }
  return rows;
}

TEST(WideLine, CoversExactlyItsWidth) {
  for (int width = 2; width <= 9; ++width) {
    SoftwareSurface surface(40, 40);
    DrawWhiteLine(surface, 5, 20, 30, 20, width);
    EXPECT_EQ(RowsAt(surface, 15).size(), std::size_t(width)) << width;
    EXPECT_TRUE(RowsAt(surface, 15).contains(20)) << width;
  }
}

TEST(WideLine, HasRoundCaps) {
  SoftwareSurface surface(30, 30);
  DrawWhiteLine(surface, 15, 15, 15, 15, 9);  // a dot: just the two caps
  const PixelSet dot = PaintedPixels(surface);
  EXPECT_TRUE(dot.contains({15, 15}));
  EXPECT_TRUE(dot.contains({11, 15}) && dot.contains({19, 15}));
  EXPECT_TRUE(dot.contains({15, 11}) && dot.contains({15, 19}));
  EXPECT_FALSE(dot.contains({10, 15}) || dot.contains({20, 15}));
  EXPECT_FALSE(dot.contains({11, 11}) || dot.contains({19, 19}));  // corners of the square
  EXPECT_NEAR(double(dot.size()), 3.14159 * 4.5 * 4.5, 8.0);

  SoftwareSurface line(40, 30);
  DrawWhiteLine(line, 10, 15, 25, 15, 9);
  // Columns beyond the end points, inside the caps.
  EXPECT_EQ(RowsAt(line, 7).size(), 7u);
  EXPECT_EQ(RowsAt(line, 6).size(), 3u);
  EXPECT_EQ(RowsAt(line, 29).size(), 3u);
  EXPECT_TRUE(RowsAt(line, 5).empty());
  EXPECT_TRUE(RowsAt(line, 30).empty());
}

// Shapes GDI paints under Wine (the gdi_lines probes), each where a plain distance rule fails.
TEST(WideLine, PaintsTheShapesGdiPaints) {
  SoftwareSurface dot(10, 10);
  DrawWhiteLine(dot, 5, 5, 5, 5, 3);
  EXPECT_EQ(PaintedPixels(dot), (PixelSet{{5, 4}, {4, 5}, {5, 5}, {6, 5}, {5, 6}}));

  SoftwareSurface even_dot(10, 10);
  DrawWhiteLine(even_dot, 5, 5, 5, 5, 6);
  EXPECT_EQ(PaintedPixels(even_dot).size(), 24u);  // the 6 x 6 square less three per corner

  // A sloped body is about a pixel wider than the pen: four pixels a row where the distance
  // to the segment would give three.
  SoftwareSurface diagonal(20, 20);
  DrawWhiteLine(diagonal, 5, 5, 15, 15, 2);
  EXPECT_EQ(PaintedPixels(diagonal).size(), 44u);
  for (int y = 7; y <= 13; ++y) {
    for (int x = 0; x < 20; ++x) {
      EXPECT_EQ(PaintedPixels(diagonal).contains({x, y}), x >= y - 2 && x <= y + 1)
          << x << ',' << y;
    }
  }

  // Along (3, 4) the half widths (2, 1.5) are exact: such ties fall on the outer side.
  SoftwareSurface tie(20, 20);
  DrawWhiteLine(tie, 8, 8, 11, 12, 5);
  EXPECT_EQ(PaintedPixels(tie).size(), 53u);
}

TEST(WideLine, ClippedLinePaintsTheSamePixelsAsTheWholeLine) {
  const std::tuple<int, int, int, int> lines[] = {{-30, 7, 70, 33},    {5, -150, 31, 180},
                                                  {120, -80, -90, 95}, {-1, 20, 41, 20},
                                                  {17, -5, 17, 60},    {39, 0, -150, 190}};
  for (int width = 2; width <= 9; ++width) {
    for (const auto& [x0, y0, x1, y1] : lines) {
      const PixelSet expected = WholeLineWindow(x0, y0, x1, y1, 40, width);
      EXPECT_EQ(LineInFrame(x0, y0, x1, y1, 40, width), expected)
          << x0 << "," << y0 << " " << x1 << "," << y1 << " width " << width;
      EXPECT_FALSE(expected.empty());
    }
  }
}

TEST(WideLine, FarOffEndsAreClipped) {
  SoftwareSurface surface(60, 40);
  DrawWhiteLine(surface, -1000000000, 20, 1000000000, 20, 9);
  for (int x = 0; x < 60; ++x)
    EXPECT_EQ(RowsAt(surface, x), (std::set{16, 17, 18, 19, 20, 21, 22, 23, 24}));

  // The diagonal paints what the same diagonal with near ends (beyond the frame) paints.
  SoftwareSurface diagonal(60, 40);
  SoftwareSurface near_diagonal(60, 40);
  DrawWhiteLine(diagonal, INT_MIN, INT_MIN, INT_MAX, INT_MAX, 5);
  DrawWhiteLine(near_diagonal, -50, -50, 90, 90, 5);
  for (int x = 0; x < 40; ++x) EXPECT_TRUE(RowsAt(diagonal, x).contains(x)) << x;
  EXPECT_EQ(PaintedPixels(diagonal), PaintedPixels(near_diagonal));

  SoftwareSurface vertical(60, 40);
  DrawWhiteLine(vertical, 30, -1000000000, 30, 1000000000, 8);
  EXPECT_EQ(PaintedPixels(vertical).size(), 8u * 40u);
  EXPECT_EQ(RowsAt(vertical, 30).size(), 40u);

  SoftwareSurface extreme(60, 40);
  DrawWhiteLine(extreme, -1000000000, -1000000000, -1000000000, 1000000000, 8);
  EXPECT_TRUE(PaintedPixels(extreme).empty());  // wholly left of the frame
  DrawWhiteLine(extreme, INT_MAX, INT_MIN, 30, 20, INT_MAX);
  EXPECT_EQ(PaintedPixels(extreme).size(), 60u * 40u);  // the huge pen covers all
}

TEST(SurfaceRectangle, FillsWithTheBrushAndOutlinesWithThePenRightAndBottomExclusive) {
  for (const auto& [l, t, r, b] : {std::array{2, 3, 8, 7}, std::array{8, 7, 2, 3}}) {
    SoftwareSurface surface(12, 10);
    surface.SelectObject(surface.CreatePen(1, RgbColor(255, 0, 0)));
    surface.SelectObject(surface.CreateSolidBrush(RgbColor(0, 0, 255)));
    surface.Rectangle(l, t, r, b);
    PixelSet painted = PaintedPixels(surface);
    EXPECT_EQ(painted.size(), 6u * 4u);
    for (const auto& [x, y] : painted) {
      const bool edge = x == 2 || x == 7 || y == 3 || y == 6;
      EXPECT_EQ(surface.PixelAt(x, y), edge ? 0xFF0000u : 0x0000FFu) << x << "," << y;
    }
  }
}

TEST(SurfaceRectangle, BandsBeyondTheFrameAndEmptyRectangles) {
  SoftwareSurface surface(10, 10);
  surface.SelectObject(surface.CreatePen(1, PaletteIndex(12)));
  surface.SelectObject(surface.CreateSolidBrush(PaletteIndex(12)));
  surface.Rectangle(0, 5, 10, 29);  // the last band reaches below the screen
  surface.Rectangle(3, 0, 3, 4);
  surface.Rectangle(INT_MIN, INT_MIN, INT_MIN, INT_MAX);
  EXPECT_EQ(PaintedPixels(surface).size(), 50u);
  EXPECT_EQ(surface.PixelAt(9, 5), 0x808080u);

  SoftwareSurface huge(10, 10);
  huge.SelectObject(huge.CreateSolidBrush(RgbColor(1, 1, 1)));
  huge.Rectangle(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
  EXPECT_EQ(PaintedPixels(huge).size(), 100u);
}

TEST(SurfaceRectangle, WidePenIsCentredOnTheEdge) {
  SoftwareSurface surface(20, 20);
  surface.SelectObject(surface.CreatePen(3, RgbColor(255, 0, 0)));
  surface.SelectObject(surface.CreateSolidBrush(RgbColor(0, 0, 255)));
  surface.Rectangle(5, 5, 15, 15);
  EXPECT_EQ(surface.PixelAt(4, 10), 0xFF0000u);
  EXPECT_EQ(surface.PixelAt(6, 10), 0xFF0000u);
  EXPECT_EQ(surface.PixelAt(7, 10), 0x0000FFu);
  EXPECT_EQ(surface.PixelAt(3, 10), 0u);
}

}  // namespace
}  // namespace verdant
