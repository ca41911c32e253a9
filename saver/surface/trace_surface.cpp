#include "saver/surface/trace_surface.h"

#include <charconv>

namespace verdant {
namespace {

// What a fresh context holds: a black pen one pixel wide, a white brush, the default palette.
constexpr GdiHandle kStockPen = 1;
constexpr GdiHandle kStockBrush = 2;
constexpr GdiHandle kDefaultPalette = 3;
constexpr GdiHandle kFirstHandle = 0x100;
constexpr int kTracedEntries = 236;  // all but the tail nobody draws with

void AppendHex(std::string& text, unsigned channel) {
  static constexpr char kHex[] = "0123456789abcdef";
  text += kHex[(channel >> 4) & 15];
  text += kHex[channel & 15];
}

void AppendNumber(std::string& text, std::int64_t value) {
  char digits[24];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  text.append(digits, result.ptr);
}

}  // namespace

TraceSurface::TraceSurface(std::ostream& out, DrawingSurface* inner)
    : out_(out),
      inner_(inner),
      next_handle_(kFirstHandle),
      pen_(kStockPen),
      brush_(kStockBrush),
      palette_(kDefaultPalette) {
  objects_[kStockPen] = {Kind::kPen, 0, 1, RgbColor(0, 0, 0), {}, false};
  objects_[kStockBrush] = {Kind::kBrush, 0, 0, RgbColor(255, 255, 255), {}, false};
  objects_[kDefaultPalette] = {Kind::kPalette, 0, 0, 0, {}, false};
}

void TraceSurface::RecordCreate(int width, int height, std::int64_t seed) {
  record_ = "create";
  Field(width);
  Field(height);
  Field(seed);
  EndRecord();
}

void TraceSurface::RecordTick(std::int64_t tick) {
  record_ = "tick";
  Field(tick);
  EndRecord();
}

int TraceSurface::BitsPerPixel() {
  return inner_ ? inner_->BitsPerPixel() : 32;
}

GdiHandle TraceSurface::CreatePalette(std::span<const PaletteEntry> entries) {
  const GdiHandle inner = inner_ ? inner_->CreatePalette(entries) : 0;
  if (inner_ && !inner) return 0;
  return Add({Kind::kPalette, inner, 0, 0, {entries.begin(), entries.end()}, false});
}

void TraceSurface::SetPaletteEntries(GdiHandle palette, int first,
                                     std::span<const PaletteEntry> entries) {
  Object* object = Find(palette, Kind::kPalette);
  if (!object || first < 0) return;
  if (inner_) inner_->SetPaletteEntries(object->inner, first, entries);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const std::size_t index = static_cast<std::size_t>(first) + i;
    if (index < object->entries.size()) object->entries[index] = entries[i];
  }
  WritePalette(*object, first, static_cast<int>(entries.size()));
}

GdiHandle TraceSurface::SelectPalette(GdiHandle palette) {
  return Select(palette_, palette, Kind::kPalette);
}

void TraceSurface::RealizePalette() {
  if (inner_) inner_->RealizePalette();
}

GdiHandle TraceSurface::CreatePen(int width, ColorRef color) {
  const GdiHandle inner = inner_ ? inner_->CreatePen(width, color) : 0;
  if (inner_ && !inner) return 0;
  return Add({Kind::kPen, inner, width, color, {}, false});
}

GdiHandle TraceSurface::CreateSolidBrush(ColorRef color) {
  const GdiHandle inner = inner_ ? inner_->CreateSolidBrush(color) : 0;
  if (inner_ && !inner) return 0;
  return Add({Kind::kBrush, inner, 0, color, {}, false});
}

GdiHandle TraceSurface::SelectObject(GdiHandle object) {
  if (Find(object, Kind::kPen)) return Select(pen_, object, Kind::kPen);
  if (Find(object, Kind::kBrush)) return Select(brush_, object, Kind::kBrush);
  return 0;
}

void TraceSurface::DeleteObject(GdiHandle object) {
  auto found = objects_.find(object);
  if (found == objects_.end() || object < kFirstHandle) return;
  if (inner_) inner_->DeleteObject(found->second.inner);
  if (object == pen_ || object == brush_ || object == palette_) {
    found->second.deleted = true;
  } else {
    objects_.erase(found);
  }
}

void TraceSurface::MoveToEx(int x, int y) {
  if (inner_) inner_->MoveToEx(x, y);
  position_x_ = x;
  position_y_ = y;
}

void TraceSurface::LineTo(int x, int y) {
  if (inner_) inner_->LineTo(x, y);
  const Object& pen = objects_.at(pen_);
  record_ = "line";
  Field(position_x_);
  Field(position_y_);
  Field(x);
  Field(y);
  Field(pen.width);
  Color(pen.color);
  EndRecord();
  position_x_ = x;
  position_y_ = y;
}

void TraceSurface::SetPixel(int x, int y, ColorRef color) {
  if (inner_) inner_->SetPixel(x, y, color);
  record_ = "pixel";
  Field(x);
  Field(y);
  Color(color);
  EndRecord();
}

void TraceSurface::Rectangle(int left, int top, int right, int bottom) {
  if (inner_) inner_->Rectangle(left, top, right, bottom);
  record_ = "rect";
  Field(left);
  Field(top);
  Field(right);
  Field(bottom);
  Color(objects_.at(brush_).color);
  EndRecord();
}

GdiHandle TraceSurface::Add(Object object) {
  const GdiHandle handle = next_handle_++;
  objects_.emplace(handle, std::move(object));
  return handle;
}

TraceSurface::Object* TraceSurface::Find(GdiHandle handle, Kind kind) {
  auto found = objects_.find(handle);
  if (found == objects_.end() || found->second.kind != kind) return nullptr;
  return &found->second;
}

// An unknown handle selects nothing and returns none, as GDI does.
GdiHandle TraceSurface::Select(GdiHandle& selected, GdiHandle handle, Kind kind) {
  Object* object = Find(handle, kind);
  if (!object) return 0;
  if (inner_) {
    const GdiHandle inner = object->inner;
    const GdiHandle inner_previous =
        kind == Kind::kPalette ? inner_->SelectPalette(inner) : inner_->SelectObject(inner);
    // A stock object's handle on the other surface is learnt when it is first replaced.
    Object& previous = objects_.at(selected);
    if (!previous.inner) previous.inner = inner_previous;
  }
  const GdiHandle previous = selected;
  selected = handle;
  if (previous != handle && objects_.at(previous).deleted) objects_.erase(previous);
  return previous;
}

void TraceSurface::WritePalette(const Object& palette, int first, int count) {
  record_ = "palette";
  Field(first);
  Field(count);
  for (int i = 0; i < kTracedEntries; ++i) {
    const PaletteEntry entry =
        static_cast<std::size_t>(i) < palette.entries.size() ? palette.entries[i] : PaletteEntry{};
    record_ += ' ';
    for (const unsigned channel : {entry.red, entry.green, entry.blue}) AppendHex(record_, channel);
  }
  EndRecord();
}

void TraceSurface::Field(std::int64_t value) {
  record_ += ' ';
  AppendNumber(record_, value);
}

void TraceSurface::Color(ColorRef color) {
  if (IsPaletteIndex(color)) {
    record_ += " i";
    AppendNumber(record_, color & 0xFFFFu);
    return;
  }
  record_ += " #";
  for (const int shift : {0, 8, 16}) AppendHex(record_, (color >> shift) & 0xFFu);
}

void TraceSurface::EndRecord() {
  record_ += '\n';
  out_.write(record_.data(), static_cast<std::streamsize>(record_.size()));
}

}  // namespace verdant
