// Arbitrary drawing calls with arbitrary 32-bit arguments on a small software surface: nothing
// may write outside the frame or overflow, and a line may paint only within reach of its end
// points.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "saver/surface/software_surface.h"

namespace {

using verdant::GdiHandle;
using verdant::PaletteEntry;
using verdant::SoftwareSurface;

constexpr int kWidth = 37;
constexpr int kHeight = 23;

struct Input {
  const std::uint8_t* data;
  std::size_t size;

  std::uint32_t Next() {
    std::uint32_t value = 0;
    const std::size_t n = size < 4 ? size : 4;
    std::memcpy(&value, data, n);
    data += n;
    size -= n;
    return value;
  }
  int NextInt() { return static_cast<int>(Next()); }
};

// Small widths mostly, so that lines stay lines; now and then any width at all.
int PenWidth(std::uint32_t value) {
  return (value & 0x80000000u) ? static_cast<int>(value << 1) : static_cast<int>(value % 12);
}

// Draws the line alone and checks it stays inside its end points' box grown by the pen.
void CheckLineReach(int width, int x0, int y0, int x1, int y1) {
  SoftwareSurface scratch(kWidth, kHeight);
  const GdiHandle pen = scratch.CreatePen(width, verdant::RgbColor(255, 255, 255));
  scratch.SelectObject(pen);
  scratch.MoveToEx(x0, y0);
  scratch.LineTo(x1, y1);
  const std::int64_t reach = width > 1 ? width / 2 + 1 : 0;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      if (scratch.PixelAt(x, y) == 0) continue;
      const bool near_x = x >= std::min<std::int64_t>(x0, x1) - reach &&
                          x <= std::max<std::int64_t>(x0, x1) + reach;
      const bool near_y = y >= std::min<std::int64_t>(y0, y1) - reach &&
                          y <= std::max<std::int64_t>(y0, y1) + reach;
      if (!near_x || !near_y) std::abort();
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input input{data, size};
  SoftwareSurface surface(kWidth, kHeight);
  std::vector<GdiHandle> handles;
  const auto any_handle = [&](std::uint32_t value) -> GdiHandle {
    if (handles.empty() || (value & 1)) return value;
    return handles[(value >> 1) % handles.size()];
  };
  int x = 0;
  int y = 0;
  int width = 1;
  while (input.size > 0) {
    const std::uint32_t op = input.Next() % 10;
    switch (op) {
      case 0: {
        std::vector<PaletteEntry> entries(input.Next() % 300);
        for (std::size_t i = 0; i < entries.size(); ++i) entries[i].red = std::uint8_t(i);
        handles.push_back(surface.CreatePalette(entries));
        break;
      }
      case 1: {
        const PaletteEntry entries[3] = {{1, 2, 3, 0}, {4, 5, 6, 0}, {7, 8, 9, 0}};
        const GdiHandle palette = any_handle(input.Next());
        surface.SetPaletteEntries(palette, input.NextInt(), entries);
        break;
      }
      case 2:
        surface.SelectPalette(any_handle(input.Next()));
        surface.RealizePalette();
        break;
      case 3: {
        width = PenWidth(input.Next());
        handles.push_back(surface.CreatePen(width, input.Next()));
        break;
      }
      case 4:
        handles.push_back(surface.CreateSolidBrush(input.Next()));
        break;
      case 5:
        surface.SelectObject(any_handle(input.Next()));
        break;
      case 6:
        surface.DeleteObject(any_handle(input.Next()));
        break;
      case 7:
        x = input.NextInt();
        y = input.NextInt();
        surface.MoveToEx(x, y);
        break;
      case 8: {
        const int x1 = input.NextInt();
        const int y1 = input.NextInt();
        surface.LineTo(x1, y1);
        CheckLineReach(width, x, y, x1, y1);
        x = x1;
        y = y1;
        break;
      }
      default: {
        const int l = input.NextInt(), t = input.NextInt(), r = input.NextInt();
        surface.Rectangle(l, t, r, input.NextInt());
        surface.SetPixel(l, t, input.Next());
        break;
      }
    }
  }
  return 0;
}
