// Objects of the software surface: selection returns the previous object of the same kind,
// stale and foreign handles are refused, and deleting a selected object does no harm.
#include <gtest/gtest.h>

#include <array>

#include "tests/saver/surface/painted_pixels.h"

namespace verdant {
namespace {

TEST(SurfaceHandles, SelectReturnsThePreviousObjectOfTheSameKind) {
  SoftwareSurface surface(8, 8);
  const GdiHandle pen = surface.CreatePen(2, RgbColor(1, 1, 1));
  const GdiHandle brush = surface.CreateSolidBrush(RgbColor(2, 2, 2));
  ASSERT_NE(pen, 0u);
  ASSERT_NE(brush, 0u);
  ASSERT_NE(pen, brush);
  const GdiHandle stock_pen = surface.SelectObject(pen);
  const GdiHandle stock_brush = surface.SelectObject(brush);
  EXPECT_NE(stock_pen, 0u);
  EXPECT_NE(stock_brush, 0u);
  EXPECT_NE(stock_pen, stock_brush);
  EXPECT_EQ(surface.SelectObject(stock_pen), pen);
  EXPECT_EQ(surface.SelectObject(stock_brush), brush);
  EXPECT_EQ(surface.SelectObject(pen), stock_pen);
}

TEST(SurfaceHandles, PalettesAreSelectedOnlyAsPalettes) {
  SoftwareSurface surface(8, 8);
  const std::array<PaletteEntry, 1> entries = {{{5, 5, 5, 0}}};
  const GdiHandle palette = surface.CreatePalette(entries);
  const GdiHandle pen = surface.CreatePen(1, RgbColor(1, 1, 1));
  EXPECT_EQ(surface.SelectObject(palette), 0u);
  EXPECT_EQ(surface.SelectPalette(pen), 0u);
  const GdiHandle stock = surface.SelectPalette(palette);
  EXPECT_NE(stock, 0u);
  EXPECT_EQ(surface.SelectPalette(stock), palette);
}

TEST(SurfaceHandles, UnknownAndDeletedHandlesAreRefused) {
  SoftwareSurface surface(8, 8);
  const GdiHandle first = surface.CreatePen(1, RgbColor(1, 1, 1));
  surface.DeleteObject(first);
  const GdiHandle second = surface.CreatePen(1, RgbColor(2, 2, 2));  // may reuse the slot
  EXPECT_NE(first, second);
  EXPECT_EQ(surface.SelectObject(first), 0u);
  EXPECT_EQ(surface.SelectObject(0), 0u);
  EXPECT_EQ(surface.SelectObject(0xDEADBEEF), 0u);
  surface.DeleteObject(first);  // twice: the new pen must survive
  EXPECT_NE(surface.SelectObject(second), 0u);
}

TEST(SurfaceHandles, DeletingTheSelectedPenKeepsItUntilReplaced) {
  SoftwareSurface surface(8, 8);
  const GdiHandle pen = surface.CreatePen(1, RgbColor(0, 255, 0));
  const GdiHandle stock = surface.SelectObject(pen);
  surface.DeleteObject(pen);
  surface.MoveToEx(0, 0);
  surface.LineTo(4, 0);
  EXPECT_EQ(surface.PixelAt(2, 0), 0x00FF00u);
  EXPECT_EQ(surface.SelectObject(stock), pen);
  EXPECT_EQ(surface.SelectObject(pen), 0u);  // gone once deselected
}

TEST(SurfaceHandles, DeletingTheSelectedPaletteKeepsItsColours) {
  SoftwareSurface surface(8, 8);
  const std::array<PaletteEntry, 2> entries = {{{0, 0, 0, 0}, {9, 8, 7, 0}}};
  const GdiHandle palette = surface.CreatePalette(entries);
  const GdiHandle stock = surface.SelectPalette(palette);
  surface.DeleteObject(palette);
  surface.SetPixel(0, 0, PaletteIndex(1));
  EXPECT_EQ(surface.PixelAt(0, 0), 0x090807u);
  surface.SelectPalette(stock);
  EXPECT_EQ(surface.SelectPalette(palette), 0u);
}

TEST(SurfaceHandles, StockObjectsSurviveDeletion) {
  SoftwareSurface surface(8, 8);
  const GdiHandle pen = surface.CreatePen(1, RgbColor(1, 1, 1));
  const GdiHandle brush = surface.CreateSolidBrush(RgbColor(1, 1, 1));
  const GdiHandle stock_pen = surface.SelectObject(pen);
  const GdiHandle stock_brush = surface.SelectObject(brush);
  surface.DeleteObject(stock_pen);
  surface.DeleteObject(stock_brush);
  EXPECT_EQ(surface.SelectObject(stock_pen), pen);
  EXPECT_EQ(surface.SelectObject(stock_brush), brush);
  surface.Rectangle(0, 0, 3, 3);  // stock pen black, stock brush white
  EXPECT_EQ(surface.PixelAt(1, 1), 0xFFFFFFu);
}

// More objects than the table has slots (2^20) over the run: each one deleted must free its slot.
TEST(SurfaceHandles, ManyObjectsComeAndGo) {
  SoftwareSurface surface(8, 8);
  for (int i = 0; i < (1 << 21); ++i) {
    const GdiHandle pen = surface.CreatePen(i % 10, PaletteIndex(i));
    ASSERT_NE(pen, 0u);
    const GdiHandle previous = surface.SelectObject(pen);
    surface.SelectObject(previous);
    surface.DeleteObject(pen);
  }
}

}  // namespace
}  // namespace verdant
