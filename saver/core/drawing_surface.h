#pragma once
// The GDI operations the saver draws with, on one device context. Implementations: GDI on an
// HDC (Windows), a software framebuffer, a trace recorder, and the fakes of the tests.
// Results of drawing calls are never examined by the saver; handles are opaque, kNoHandle (0)
// is none.
#include <cstdint>
#include <span>

#include "base/platform_handle.h"

namespace verdant {

using GdiHandle = base::PlatformHandle;
using ColorRef = std::uint32_t;

// A colour that resolves through the selected, realised logical palette.
constexpr ColorRef PaletteIndex(unsigned index) {
  return 0x01000000u | (index & 0xFFFFu);
}
constexpr ColorRef RgbColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return red | (green << 8) | (blue << 16);
}
constexpr bool IsPaletteIndex(ColorRef color) {
  return (color >> 24) == 1;
}

constexpr std::uint8_t kPcReserved = 1;

// Same field order as the platform's palette entry.
struct PaletteEntry {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  std::uint8_t flags = 0;
  friend bool operator==(const PaletteEntry&, const PaletteEntry&) = default;
};

struct DrawingSurface {
  virtual ~DrawingSurface() = default;

  // GetDeviceCaps(BITSPIXEL).
  virtual int BitsPerPixel() = 0;
  // CreatePalette, version 0x300, with entries.size() entries; 0 on failure.
  virtual GdiHandle CreatePalette(std::span<const PaletteEntry> entries) = 0;
  // SetPaletteEntries(palette, first, entries.size(), entries).
  virtual void SetPaletteEntries(GdiHandle palette, int first,
                                 std::span<const PaletteEntry> entries) = 0;
  // SelectPalette(dc, palette, FALSE); returns the palette selected before.
  virtual GdiHandle SelectPalette(GdiHandle palette) = 0;
  virtual void RealizePalette() = 0;
  // CreatePen(PS_SOLID, width, color); 0 on failure.
  virtual GdiHandle CreatePen(int width, ColorRef color) = 0;
  virtual GdiHandle CreateSolidBrush(ColorRef color) = 0;
  // Selects a pen or brush; returns the object of that kind selected before.
  virtual GdiHandle SelectObject(GdiHandle object) = 0;
  // Deletes a pen, brush or palette.
  virtual void DeleteObject(GdiHandle object) = 0;
  // MoveToEx(dc, x, y, NULL).
  virtual void MoveToEx(int x, int y) = 0;
  // A line in the selected pen from the current position, which then moves to (x, y).
  virtual void LineTo(int x, int y) = 0;
  virtual void SetPixel(int x, int y, ColorRef color) = 0;
  // Interior filled with the selected brush, outlined with the selected pen; right and bottom
  // are exclusive, as in GDI.
  virtual void Rectangle(int left, int top, int right, int bottom) = 0;
};

}  // namespace verdant
