#pragma once
// One-pixel lines on the frame.
#include <array>
#include <cstddef>
#include <cstdint>

#include "saver/surface/raster_frame.h"

namespace verdant {

// Where the pixels of every short line lie, relative to its first pixel, for one row stride.
// Most lines of a bush span a few pixels; painting them from this table costs a fraction of
// stepping through them, and gives the very same pixels.
class ShortLines {
 public:
  static constexpr int kReach = 7;  // lines with |dx| and |dy| up to this

  explicit ShortLines(std::ptrdiff_t stride);

  bool Covers(int dx, int dy) const {
    return static_cast<unsigned>(dx + kReach) <= 2 * kReach &&
           static_cast<unsigned>(dy + kReach) <= 2 * kReach && (dx | dy) != 0;
  }
  // A covered line from first. Its pixels are followed by repeats of the first one, so that
  // every line takes the same stores and no loop.
  void Paint(std::uint32_t* first, int dx, int dy, std::uint32_t color) const {
    for (std::ptrdiff_t offset : offsets_[Index(dx, dy)]) first[offset] = color;
  }

 private:
  static constexpr int kSide = 2 * kReach + 1;
  using Offsets = std::array<std::ptrdiff_t, kReach + 1>;
  static int Index(int dx, int dy) { return (dy + kReach) * kSide + dx + kReach; }

  std::array<Offsets, kSide * kSide> offsets_;
};

// A one-pixel line from (x0, y0) towards (x1, y1), leaving out the end pixel as GDI does, so
// that chained lines paint each joint once. The pixels inside the frame are the same whether
// or not the line reaches beyond it. short_lines must be made for frame.stride.
void DrawThinLine(const Frame& frame, const ShortLines& short_lines, int x0, int y0, int x1, int y1,
                  std::uint32_t color);

}  // namespace verdant
