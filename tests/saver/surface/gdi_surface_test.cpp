// GdiSurface on a memory context holding a 32-bit DIB section: the GDI calls it forwards must
// show the logical palette's entries for PALETTEINDEX colours and exact RGB colours.
#include "saver/surface/win32/gdi_surface.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <array>

namespace verdant {
namespace {

constexpr int kSize = 16;

class GdiSurfaceTest : public testing::Test {
 protected:
  void SetUp() override {
    dc_ = CreateCompatibleDC(nullptr);
    ASSERT_NE(dc_, nullptr);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = kSize;
    info.bmiHeader.biHeight = -kSize;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(bitmap_, nullptr);
    bits_ = static_cast<const std::uint32_t*>(bits);
    old_bitmap_ = ::SelectObject(dc_, bitmap_);
    // Start from black; a new DIB section is zeroed, but say so.
    ::PatBlt(dc_, 0, 0, kSize, kSize, BLACKNESS);
  }
  void TearDown() override {
    if (old_bitmap_) ::SelectObject(dc_, old_bitmap_);
    if (bitmap_) ::DeleteObject(bitmap_);
    if (dc_) ::DeleteDC(dc_);
  }
  std::uint32_t Pixel(int x, int y) {
    GdiFlush();
    return bits_[y * kSize + x] & 0xFFFFFF;
  }

  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_bitmap_ = nullptr;
  const std::uint32_t* bits_ = nullptr;
};

TEST_F(GdiSurfaceTest, DrawsPaletteAndRgbColoursThroughGdi) {
  GdiSurface surface(dc_);
  EXPECT_GE(surface.BitsPerPixel(), 8);
  const std::array<PaletteEntry, 4> entries = {
      {{0, 0, 0, 0}, {10, 20, 30, 0}, {200, 100, 50, 0}, {1, 2, 3, 0}}};
  const GdiHandle palette = surface.CreatePalette(entries);
  ASSERT_NE(palette, 0u);
  const PaletteEntry changed{60, 70, 80, 0};
  surface.SetPaletteEntries(palette, 3, std::span(&changed, 1));
  const GdiHandle old_palette = surface.SelectPalette(palette);
  EXPECT_NE(old_palette, 0u);
  surface.RealizePalette();

  const GdiHandle pen = surface.CreatePen(1, PaletteIndex(2));
  const GdiHandle old_pen = surface.SelectObject(pen);
  EXPECT_NE(old_pen, 0u);
  surface.MoveToEx(1, 1);
  surface.LineTo(6, 1);
  const GdiHandle rgb_pen = surface.CreatePen(1, RgbColor(1, 2, 3));
  EXPECT_EQ(surface.SelectObject(rgb_pen), pen);
  surface.DeleteObject(pen);
  surface.MoveToEx(1, 2);
  surface.LineTo(6, 2);

  const GdiHandle border = surface.CreatePen(1, PaletteIndex(3));
  const GdiHandle brush = surface.CreateSolidBrush(PaletteIndex(1));
  surface.SelectObject(border);
  const GdiHandle old_brush = surface.SelectObject(brush);
  surface.Rectangle(2, 4, 8, 9);
  surface.SetPixel(10, 10, PaletteIndex(2));

  EXPECT_EQ(Pixel(1, 1), 0xC86432u);
  EXPECT_EQ(Pixel(5, 1), 0xC86432u);
  EXPECT_EQ(Pixel(6, 1), 0u);  // the end point is left out
  EXPECT_EQ(Pixel(3, 2), 0x010203u);
  EXPECT_EQ(Pixel(2, 4), 0x3C4650u);  // outline
  EXPECT_EQ(Pixel(7, 8), 0x3C4650u);
  EXPECT_EQ(Pixel(4, 6), 0x0A141Eu);  // interior
  EXPECT_EQ(Pixel(8, 6), 0u);         // right edge exclusive
  EXPECT_EQ(Pixel(4, 9), 0u);         // bottom edge exclusive
  EXPECT_EQ(Pixel(10, 10), 0xC86432u);

  surface.SelectObject(old_pen);
  surface.SelectObject(old_brush);
  surface.SelectPalette(old_palette);
  surface.DeleteObject(rgb_pen);
  surface.DeleteObject(border);
  surface.DeleteObject(brush);
  surface.DeleteObject(palette);
}

}  // namespace
}  // namespace verdant
