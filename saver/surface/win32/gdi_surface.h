#pragma once
// The drawing surface on a Windows device context: each method is the GDI call of the same
// name on that HDC. The context is borrowed; whoever got it releases it.
#include <windows.h>

#include "saver/core/drawing_surface.h"

namespace verdant {

class GdiSurface final : public DrawingSurface {
 public:
  explicit GdiSurface(HDC dc) : dc_(dc) {}

  int BitsPerPixel() override;
  GdiHandle CreatePalette(std::span<const PaletteEntry> entries) override;
  void SetPaletteEntries(GdiHandle palette, int first,
                         std::span<const PaletteEntry> entries) override;
  GdiHandle SelectPalette(GdiHandle palette) override;
  void RealizePalette() override;
  GdiHandle CreatePen(int width, ColorRef color) override;
  GdiHandle CreateSolidBrush(ColorRef color) override;
  GdiHandle SelectObject(GdiHandle object) override;
  void DeleteObject(GdiHandle object) override;
  void MoveToEx(int x, int y) override;
  void LineTo(int x, int y) override;
  void SetPixel(int x, int y, ColorRef color) override;
  void Rectangle(int left, int top, int right, int bottom) override;

 private:
  HDC dc_;
};

}  // namespace verdant
