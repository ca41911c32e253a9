#pragma once
// A drawing surface on a 32-bit XRGB framebuffer (0x00RRGGBB per pixel), for the saver off
// Windows and for headless rendering. It behaves as a true-colour display: a PALETTEINDEX
// colour takes the entry of the selected logical palette at the moment it is drawn (an index
// past the palette's end takes entry 0); RGB colours are exact. Before any palette is selected
// the stock 20-colour default palette is; likewise a stock black pen and white brush.
#include <cstdint>
#include <vector>

#include "saver/core/drawing_surface.h"
#include "saver/surface/gdi_object_table.h"
#include "saver/surface/raster_frame.h"
#include "saver/surface/raster_thin_line.h"

namespace verdant {

class SoftwareSurface final : public DrawingSurface {
 public:
  // A black frame; negative sizes count as 0.
  SoftwareSurface(int width, int height);
  SoftwareSurface(const SoftwareSurface&) = delete;
  SoftwareSurface& operator=(const SoftwareSurface&) = delete;

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Pixels from one row to the next.
  int Stride() const { return width_; }
  const std::uint32_t* Data() const { return pixels_.data(); }
  // The pixel at (x, y), which must lie in the frame.
  std::uint32_t PixelAt(int x, int y) const { return pixels_[std::size_t(y) * width_ + x]; }
  // Counts the calls that may have changed pixels, so that a viewer copies the frame only when
  // it moved.
  std::uint64_t Changes() const { return changes_; }

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
  // One kind of object selected into the context. An object deleted while selected stays
  // alive until it is replaced, as GDI defers such a deletion.
  struct Selection {
    GdiHandle handle;
    bool deleted = false;
  };
  GdiHandle Replace(Selection& selection, GdiHandle handle);
  bool IsStock(GdiHandle handle) const;
  std::uint32_t Resolve(ColorRef color);
  void DrawLine(int x0, int y0, int x1, int y1, std::uint32_t color);

  int width_;
  int height_;
  std::vector<std::uint32_t> pixels_;
  Frame frame_;  // views pixels_, which never reallocates
  ShortLines short_lines_;
  GdiObjectTable objects_;
  Selection pen_;
  Selection brush_;
  Selection palette_;
  PenObject pen_object_;      // copy of the selected pen
  BrushObject brush_object_;  // copy of the selected brush
  GdiHandle stock_pen_;
  GdiHandle stock_brush_;
  GdiHandle stock_palette_;
  int position_x_ = 0;
  int position_y_ = 0;
  std::uint64_t changes_ = 0;
};

}  // namespace verdant
