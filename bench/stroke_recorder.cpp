#include "bench/stroke_recorder.h"

#include <utility>

namespace verdant {

GdiHandle StrokeRecorder::CreatePalette(std::span<const PaletteEntry> entries) {
  palettes_[next_handle_].assign(entries.begin(), entries.end());
  return next_handle_++;
}

void StrokeRecorder::SetPaletteEntries(GdiHandle palette, int first,
                                       std::span<const PaletteEntry> entries) {
  auto found = palettes_.find(palette);
  if (found == palettes_.end() || first < 0) return;
  std::vector<PaletteEntry>& target = found->second;
  for (std::size_t i = 0; i < entries.size() && first + i < target.size(); ++i) {
    target[first + i] = entries[i];
  }
}

GdiHandle StrokeRecorder::SelectPalette(GdiHandle palette) {
  return std::exchange(palette_, palette);
}

GdiHandle StrokeRecorder::CreatePen(int width, ColorRef color) {
  pens_[next_handle_] = {width, color};
  return next_handle_++;
}

GdiHandle StrokeRecorder::SelectObject(GdiHandle object) {
  auto found = pens_.find(object);
  if (found == pens_.end()) return 0;
  pen_ = found->second;
  return std::exchange(pen_handle_, object);
}

void StrokeRecorder::DeleteObject(GdiHandle object) {
  pens_.erase(object);
  palettes_.erase(object);
}

void StrokeRecorder::MoveToEx(int x, int y) {
  x_ = x;
  y_ = y;
}

void StrokeRecorder::LineTo(int x, int y) {
  strokes_.push_back({x_, y_, x, y, pen_.width, Resolve(pen_.color)});
  ++lines_;
  MoveToEx(x, y);
}

void StrokeRecorder::SetPixel(int x, int y, ColorRef color) {
  strokes_.push_back({x, y, x, y, kPixelStroke, Resolve(color)});
}

std::uint32_t StrokeRecorder::Resolve(ColorRef color) const {
  PaletteEntry entry{std::uint8_t(color), std::uint8_t(color >> 8), std::uint8_t(color >> 16), 0};
  if (IsPaletteIndex(color)) {
    auto found = palettes_.find(palette_);
    const std::size_t index = color & 0xFFFF;
    entry = found == palettes_.end() ? PaletteEntry{}
                                     : found->second[index < found->second.size() ? index : 0];
  }
  return std::uint32_t{entry.red} << 16 | std::uint32_t{entry.green} << 8 | entry.blue;
}

namespace {

ColorRef ColorRefOf(std::uint32_t xrgb) {
  return RgbColor(std::uint8_t(xrgb >> 16), std::uint8_t(xrgb >> 8), std::uint8_t(xrgb));
}

}  // namespace

void ReplayStrokes(const std::vector<Stroke>& strokes, DrawingSurface& surface) {
  for (const Stroke& stroke : strokes) {
    if (stroke.width == kPixelStroke) {
      surface.SetPixel(stroke.x0, stroke.y0, ColorRefOf(stroke.xrgb));
      continue;
    }
    const GdiHandle pen = surface.CreatePen(stroke.width, ColorRefOf(stroke.xrgb));
    const GdiHandle previous = surface.SelectObject(pen);
    surface.MoveToEx(stroke.x0, stroke.y0);
    surface.LineTo(stroke.x1, stroke.y1);
    surface.SelectObject(previous);
    surface.DeleteObject(pen);
  }
}

}  // namespace verdant
