#include "saver/surface/win32/gdi_surface.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <vector>

namespace verdant {
namespace {

static_assert(sizeof(PaletteEntry) == sizeof(PALETTEENTRY));
static_assert(offsetof(PaletteEntry, red) == offsetof(PALETTEENTRY, peRed));
static_assert(offsetof(PaletteEntry, green) == offsetof(PALETTEENTRY, peGreen));
static_assert(offsetof(PaletteEntry, blue) == offsetof(PALETTEENTRY, peBlue));
static_assert(offsetof(PaletteEntry, flags) == offsetof(PALETTEENTRY, peFlags));

template <typename T>
GdiHandle ToHandle(T object) {
  return reinterpret_cast<GdiHandle>(object);
}

template <typename T>
T FromHandle(GdiHandle handle) {
  return reinterpret_cast<T>(handle);
}

const PALETTEENTRY* AsPlatform(std::span<const PaletteEntry> entries) {
  return reinterpret_cast<const PALETTEENTRY*>(entries.data());
}

}  // namespace

int GdiSurface::BitsPerPixel() {
  return GetDeviceCaps(dc_, BITSPIXEL);
}

GdiHandle GdiSurface::CreatePalette(std::span<const PaletteEntry> entries) {
  if (entries.size() > 0xFFFF) return 0;  // palNumEntries is a WORD
  // LOGPALETTE ends in a one-entry array that really holds all of them.
  std::vector<std::byte> buffer(offsetof(LOGPALETTE, palPalEntry) +
                                std::max<std::size_t>(entries.size(), 1) * sizeof(PALETTEENTRY));
  LOGPALETTE* palette = reinterpret_cast<LOGPALETTE*>(buffer.data());
  palette->palVersion = 0x300;
  palette->palNumEntries = static_cast<WORD>(entries.size());
  if (!entries.empty()) {
    std::memcpy(palette->palPalEntry, entries.data(), entries.size() * sizeof(PALETTEENTRY));
  }
  return ToHandle(::CreatePalette(palette));
}

void GdiSurface::SetPaletteEntries(GdiHandle palette, int first,
                                   std::span<const PaletteEntry> entries) {
  ::SetPaletteEntries(FromHandle<HPALETTE>(palette), first, static_cast<UINT>(entries.size()),
                      AsPlatform(entries));
}

GdiHandle GdiSurface::SelectPalette(GdiHandle palette) {
  return ToHandle(::SelectPalette(dc_, FromHandle<HPALETTE>(palette), FALSE));
}

void GdiSurface::RealizePalette() {
  ::RealizePalette(dc_);
}

GdiHandle GdiSurface::CreatePen(int width, ColorRef color) {
  return ToHandle(::CreatePen(PS_SOLID, width, color));
}

GdiHandle GdiSurface::CreateSolidBrush(ColorRef color) {
  return ToHandle(::CreateSolidBrush(color));
}

GdiHandle GdiSurface::SelectObject(GdiHandle object) {
  return ToHandle(::SelectObject(dc_, FromHandle<HGDIOBJ>(object)));
}

void GdiSurface::DeleteObject(GdiHandle object) {
  ::DeleteObject(FromHandle<HGDIOBJ>(object));
}

void GdiSurface::MoveToEx(int x, int y) {
  ::MoveToEx(dc_, x, y, nullptr);
}

void GdiSurface::LineTo(int x, int y) {
  ::LineTo(dc_, x, y);
}

void GdiSurface::SetPixel(int x, int y, ColorRef color) {
  ::SetPixel(dc_, x, y, color);
}

void GdiSurface::Rectangle(int left, int top, int right, int bottom) {
  ::Rectangle(dc_, left, top, right, bottom);
}

}  // namespace verdant
