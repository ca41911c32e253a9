#pragma once
// A surface that draws nothing: running a plant on it measures the cost of computing it.
#include "saver/core/drawing_surface.h"

namespace verdant {

struct NullSurface final : DrawingSurface {
  int BitsPerPixel() override { return 32; }
  GdiHandle CreatePalette(std::span<const PaletteEntry>) override { return 1; }
  void SetPaletteEntries(GdiHandle, int, std::span<const PaletteEntry>) override {}
  GdiHandle SelectPalette(GdiHandle) override { return 1; }
  void RealizePalette() override {}
  GdiHandle CreatePen(int, ColorRef) override { return 1; }
  GdiHandle CreateSolidBrush(ColorRef) override { return 1; }
  GdiHandle SelectObject(GdiHandle) override { return 1; }
  void DeleteObject(GdiHandle) override {}
  void MoveToEx(int, int) override {}
  void LineTo(int, int) override {}
  void SetPixel(int, int, ColorRef) override {}
  void Rectangle(int, int, int, int) override {}
};

}  // namespace verdant
