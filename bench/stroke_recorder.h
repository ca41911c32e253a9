#pragma once
// Records what a plant draws, with every colour resolved as the software surface resolves it,
// so that the same strokes can be drawn again on another renderer.
#include <cstdint>
#include <map>
#include <vector>

#include "saver/core/drawing_surface.h"

namespace verdant {

struct Stroke {
  int x0, y0, x1, y1;
  int width;  // the pen's width; kPixelStroke for one SetPixel at (x0, y0)
  std::uint32_t xrgb;
};
inline constexpr int kPixelStroke = -1;

// Only what the plants use: palettes, pens, lines and pixels (rectangles are not recorded).
class StrokeRecorder final : public DrawingSurface {
 public:
  const std::vector<Stroke>& strokes() const { return strokes_; }
  long lines() const { return lines_; }

  int BitsPerPixel() override { return 32; }
  GdiHandle CreatePalette(std::span<const PaletteEntry> entries) override;
  void SetPaletteEntries(GdiHandle palette, int first,
                         std::span<const PaletteEntry> entries) override;
  GdiHandle SelectPalette(GdiHandle palette) override;
  void RealizePalette() override {}
  GdiHandle CreatePen(int width, ColorRef color) override;
  GdiHandle CreateSolidBrush(ColorRef) override { return next_handle_++; }
  GdiHandle SelectObject(GdiHandle object) override;
  void DeleteObject(GdiHandle object) override;
  void MoveToEx(int x, int y) override;
  void LineTo(int x, int y) override;
  void SetPixel(int x, int y, ColorRef color) override;
  void Rectangle(int, int, int, int) override {}

 private:
  struct Pen {
    int width;
    ColorRef color;
  };
  std::uint32_t Resolve(ColorRef color) const;

  std::vector<Stroke> strokes_;
  long lines_ = 0;
  std::map<GdiHandle, std::vector<PaletteEntry>> palettes_;
  std::map<GdiHandle, Pen> pens_;
  GdiHandle next_handle_ = 1;
  GdiHandle palette_ = 0;
  Pen pen_{1, RgbColor(0, 0, 0)};
  GdiHandle pen_handle_ = 0;
  int x_ = 0;
  int y_ = 0;
};

// Draws the strokes again on a surface, each line with a pen of its own as DrawSegment does.
void ReplayStrokes(const std::vector<Stroke>& strokes, DrawingSurface& surface);

}  // namespace verdant
