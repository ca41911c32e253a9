#include "saver/surface/software_surface.h"

#include <algorithm>
#include <utility>

#include "saver/surface/raster_rect.h"
#include "saver/surface/raster_wide_line.h"

namespace verdant {
namespace {

constexpr std::uint32_t Xrgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return std::uint32_t{red} << 16 | std::uint32_t{green} << 8 | blue;
}

// A COLORREF keeps red in its low byte; the type byte is ignored for plain colours.
constexpr std::uint32_t XrgbOf(ColorRef color) {
  return Xrgb(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

// The 20 colours of the platform's default palette, selected until the saver selects its own.
std::vector<std::uint32_t> DefaultPaletteColors() {
  return {Xrgb(0, 0, 0),          Xrgb(0x80, 0, 0),       Xrgb(0, 0x80, 0),
          Xrgb(0x80, 0x80, 0),    Xrgb(0, 0, 0x80),       Xrgb(0x80, 0, 0x80),
          Xrgb(0, 0x80, 0x80),    Xrgb(0xC0, 0xC0, 0xC0), Xrgb(0xC0, 0xDC, 0xC0),
          Xrgb(0xA6, 0xCA, 0xF0), Xrgb(0xFF, 0xFB, 0xF0), Xrgb(0xA0, 0xA0, 0xA4),
          Xrgb(0x80, 0x80, 0x80), Xrgb(0xFF, 0, 0),       Xrgb(0, 0xFF, 0),
          Xrgb(0xFF, 0xFF, 0),    Xrgb(0, 0, 0xFF),       Xrgb(0xFF, 0, 0xFF),
          Xrgb(0, 0xFF, 0xFF),    Xrgb(0xFF, 0xFF, 0xFF)};
}

// The platform counts palette entries in a 16-bit word.
constexpr std::size_t kMaxPaletteEntries = 0xFFFF;

}  // namespace

SoftwareSurface::SoftwareSurface(int width, int height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(std::size_t(width_) * height_, 0),
      frame_{pixels_.data(), width_, height_, width_},
      short_lines_(width_),
      pen_object_{1, RgbColor(0, 0, 0)},
      brush_object_{RgbColor(255, 255, 255)},
      stock_pen_(objects_.Add(pen_object_)),
      stock_brush_(objects_.Add(brush_object_)),
      stock_palette_(objects_.Add(PaletteObject{DefaultPaletteColors()})) {
  pen_.handle = stock_pen_;
  brush_.handle = stock_brush_;
  palette_.handle = stock_palette_;
}

int SoftwareSurface::BitsPerPixel() {
  return 32;
}

GdiHandle SoftwareSurface::CreatePalette(std::span<const PaletteEntry> entries) {
  if (entries.empty() || entries.size() > kMaxPaletteEntries) return 0;
  PaletteObject palette;
  palette.colors.reserve(entries.size());
  for (const PaletteEntry& entry : entries) {
    palette.colors.push_back(Xrgb(entry.red, entry.green, entry.blue));
  }
  return objects_.Add(std::move(palette));
}

void SoftwareSurface::SetPaletteEntries(GdiHandle palette, int first,
                                        std::span<const PaletteEntry> entries) {
  PaletteObject* target = objects_.Find<PaletteObject>(palette);
  if (!target || first < 0 || std::size_t(first) >= target->colors.size()) return;
  const std::size_t count = std::min(entries.size(), target->colors.size() - first);
  for (std::size_t i = 0; i < count; ++i) {
    target->colors[first + i] = Xrgb(entries[i].red, entries[i].green, entries[i].blue);
  }
}

GdiHandle SoftwareSurface::SelectPalette(GdiHandle palette) {
  if (!objects_.Find<PaletteObject>(palette)) return 0;
  return Replace(palette_, palette);
}

// A true-colour display maps palette indices when it draws, so there is nothing to realise.
void SoftwareSurface::RealizePalette() {}

GdiHandle SoftwareSurface::CreatePen(int width, ColorRef color) {
  return objects_.Add(PenObject{width, color});
}

GdiHandle SoftwareSurface::CreateSolidBrush(ColorRef color) {
  return objects_.Add(BrushObject{color});
}

GdiHandle SoftwareSurface::SelectObject(GdiHandle object) {
  GdiObject* found = objects_.Find(object);
  if (!found) return 0;
  if (const PenObject* pen = std::get_if<PenObject>(found)) {
    pen_object_ = *pen;
    return Replace(pen_, object);
  }
  if (const BrushObject* brush = std::get_if<BrushObject>(found)) {
    brush_object_ = *brush;
    return Replace(brush_, object);
  }
  return 0;  // palettes go through SelectPalette
}

GdiHandle SoftwareSurface::Replace(Selection& selection, GdiHandle handle) {
  const GdiHandle previous = selection.handle;
  if (previous == handle) return previous;
  if (selection.deleted) objects_.Remove(previous);
  selection = {handle, false};
  return previous;
}

void SoftwareSurface::DeleteObject(GdiHandle object) {
  if (IsStock(object)) return;
  for (Selection* selection : {&pen_, &brush_, &palette_}) {
    if (selection->handle == object) {
      selection->deleted = true;
      return;
    }
  }
  objects_.Remove(object);
}

bool SoftwareSurface::IsStock(GdiHandle handle) const {
  return handle == stock_pen_ || handle == stock_brush_ || handle == stock_palette_;
}

std::uint32_t SoftwareSurface::Resolve(ColorRef color) {
  if (!IsPaletteIndex(color)) return XrgbOf(color);
  // The selected palette cannot be gone: its deletion waits until it is replaced.
  const std::vector<std::uint32_t>& colors = objects_.Find<PaletteObject>(palette_.handle)->colors;
  const std::size_t index = color & 0xFFFF;
  return colors[index < colors.size() ? index : 0];
}

void SoftwareSurface::MoveToEx(int x, int y) {
  position_x_ = x;
  position_y_ = y;
}

void SoftwareSurface::LineTo(int x, int y) {
  DrawLine(position_x_, position_y_, x, y, Resolve(pen_object_.color));
  MoveToEx(x, y);
}

void SoftwareSurface::DrawLine(int x0, int y0, int x1, int y1, std::uint32_t color) {
  ++changes_;
  if (pen_object_.width <= 1) {
    DrawThinLine(frame_, short_lines_, x0, y0, x1, y1, color);
  } else {
    DrawWideLine(frame_, x0, y0, x1, y1, pen_object_.width, color);
  }
}

void SoftwareSurface::SetPixel(int x, int y, ColorRef color) {
  if (x < 0 || x >= width_ || y < 0 || y >= height_) return;
  ++changes_;
  pixels_[std::size_t(y) * width_ + x] = Resolve(color);
}

void SoftwareSurface::Rectangle(int left, int top, int right, int bottom) {
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
  if (left == right || top == bottom) return;
  ++changes_;
  const std::int64_t inner_left = std::int64_t{left} + 1;
  const std::int64_t inner_top = std::int64_t{top} + 1;
  FillRect(frame_, inner_left, inner_top, right - 1, bottom - 1, Resolve(brush_object_.color));
  const std::uint32_t pen = Resolve(pen_object_.color);
  if (pen_object_.width <= 1) {
    FillRect(frame_, left, top, right, inner_top, pen);
    FillRect(frame_, left, bottom - 1, right, bottom, pen);
    FillRect(frame_, left, top, inner_left, bottom, pen);
    FillRect(frame_, right - 1, top, right, bottom, pen);
    return;
  }
  // A wide pen is centred on the outermost pixels of the rectangle.
  DrawLine(left, top, right - 1, top, pen);
  DrawLine(right - 1, top, right - 1, bottom - 1, pen);
  DrawLine(right - 1, bottom - 1, left, bottom - 1, pen);
  DrawLine(left, bottom - 1, left, top, pen);
}

}  // namespace verdant
