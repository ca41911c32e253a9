#include "tests/saver/fakes/recording_surface.h"

#include <algorithm>

namespace verdant::testing {
namespace {

SurfaceCall Call(SurfaceOp op, GdiHandle handle = 0, int x = 0, int y = 0, int x2 = 0, int y2 = 0,
                 ColorRef color = 0) {
  SurfaceCall call;
  call.op = op;
  call.handle = handle;
  call.x = x;
  call.y = y;
  call.x2 = x2;
  call.y2 = y2;
  call.color = color;
  return call;
}

}  // namespace

RecordingSurface::RecordingSurface() {
  objects_[kStockPen] = {ObjectKind::kPen, 1, RgbColor(0, 0, 0), {}, false};
  objects_[kStockBrush] = {ObjectKind::kBrush, 0, RgbColor(255, 255, 255), {}, false};
  objects_[kDefaultPalette] = {ObjectKind::kPalette, 0, 0, {}, false};
}

void RecordingSurface::Record(SurfaceCall call) {
  if (on_call) on_call(call);
  if (record_calls) calls_.push_back(std::move(call));
}

GdiHandle RecordingSurface::Create(RecordedObject object) {
  GdiHandle handle = next_handle_++;
  objects_[handle] = std::move(object);
  return handle;
}

int RecordingSurface::BitsPerPixel() {
  Record(Call(SurfaceOp::kBitsPerPixel));
  return bits_per_pixel;
}

GdiHandle RecordingSurface::CreatePalette(std::span<const PaletteEntry> entries) {
  std::vector<PaletteEntry> copy(entries.begin(), entries.end());
  GdiHandle handle = 0;
  if (!fail_create_palette) handle = Create({ObjectKind::kPalette, 0, 0, copy, false});
  SurfaceCall call = Call(SurfaceOp::kCreatePalette, handle);
  call.entries = std::move(copy);
  Record(std::move(call));
  return handle;
}

void RecordingSurface::SetPaletteEntries(GdiHandle palette, int first,
                                         std::span<const PaletteEntry> entries) {
  auto found = objects_.find(palette);
  if (found != objects_.end() && found->second.kind == ObjectKind::kPalette) {
    auto& target = found->second.entries;
    for (std::size_t i = 0; i < entries.size(); ++i) {
      std::size_t index = static_cast<std::size_t>(first) + i;
      if (index < target.size()) target[index] = entries[i];
    }
  }
  SurfaceCall call = Call(SurfaceOp::kSetPaletteEntries, palette, first);
  call.entries.assign(entries.begin(), entries.end());
  Record(std::move(call));
}

GdiHandle RecordingSurface::SelectPalette(GdiHandle palette) {
  GdiHandle previous = palette_;
  palette_ = palette;
  Record(Call(SurfaceOp::kSelectPalette, palette));
  return previous;
}

void RecordingSurface::RealizePalette() {
  Record(Call(SurfaceOp::kRealizePalette));
}

GdiHandle RecordingSurface::CreatePen(int width, ColorRef color) {
  GdiHandle handle = Create({ObjectKind::kPen, width, color, {}, false});
  Record(Call(SurfaceOp::kCreatePen, handle, width, 0, 0, 0, color));
  return handle;
}

GdiHandle RecordingSurface::CreateSolidBrush(ColorRef color) {
  GdiHandle handle = Create({ObjectKind::kBrush, 0, color, {}, false});
  Record(Call(SurfaceOp::kCreateSolidBrush, handle, 0, 0, 0, 0, color));
  return handle;
}

GdiHandle RecordingSurface::SelectObject(GdiHandle object) {
  GdiHandle previous = 0;
  auto found = objects_.find(object);
  if (found != objects_.end() && found->second.kind == ObjectKind::kPen) {
    previous = pen_;
    pen_ = object;
  } else if (found != objects_.end() && found->second.kind == ObjectKind::kBrush) {
    previous = brush_;
    brush_ = object;
  }
  Record(Call(SurfaceOp::kSelectObject, object));
  return previous;
}

void RecordingSurface::DeleteObject(GdiHandle object) {
  auto found = objects_.find(object);
  if (found != objects_.end()) found->second.deleted = true;
  Record(Call(SurfaceOp::kDeleteObject, object));
}

void RecordingSurface::MoveToEx(int x, int y) {
  position_x_ = x;
  position_y_ = y;
  Record(Call(SurfaceOp::kMoveToEx, 0, x, y));
}

void RecordingSurface::LineTo(int x, int y) {
  const RecordedObject& pen = objects_.at(pen_);
  lines_.push_back({position_x_, position_y_, x, y, pen.width, pen.color});
  Record(Call(SurfaceOp::kLineTo, 0, x, y));
  position_x_ = x;
  position_y_ = y;
}

void RecordingSurface::SetPixel(int x, int y, ColorRef color) {
  pixels_.push_back({x, y, color});
  Record(Call(SurfaceOp::kSetPixel, 0, x, y, 0, 0, color));
}

void RecordingSurface::Rectangle(int left, int top, int right, int bottom) {
  Record(Call(SurfaceOp::kRectangle, 0, left, top, right, bottom));
}

std::size_t RecordingSurface::CountOf(SurfaceOp op) const {
  return std::count_if(calls_.begin(), calls_.end(),
                       [op](const SurfaceCall& call) { return call.op == op; });
}

int RecordingSurface::LiveObjects() const {
  return static_cast<int>(std::count_if(objects_.begin(), objects_.end(), [](const auto& item) {
    return item.first >= 0x100 && !item.second.deleted;
  }));
}

bool FakeInputQueue::PeekMessageA(unsigned first, unsigned last) {
  peeked.emplace_back(first, last);
  return std::any_of(messages.begin(), messages.end(),
                     [=](unsigned message) { return message >= first && message <= last; });
}

}  // namespace verdant::testing
