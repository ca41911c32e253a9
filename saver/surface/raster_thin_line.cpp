// One-pixel lines by the midpoint rule: after i steps along the major axis the minor axis has
// moved i * minor / major pixels, rounded to the nearest; exactly half way, to the smaller
// coordinate (up for a line that is wider than high, left for one that is higher than wide),
// in every direction, as GDI does. Clipping picks the range of steps that stays in the frame,
// so a clipped line paints exactly the pixels of the whole one.
#include "saver/surface/raster_thin_line.h"

#include <algorithm>
#include <cstdlib>

namespace verdant {
namespace {

// One axis of the line: after offset pixel moves the coordinate is start + sign * offset.
struct Axis {
  std::int64_t start;
  int sign;
  std::int64_t extent;  // frame size along this axis
};

// Offsets [low, high] keep the coordinate inside [0, extent).
struct OffsetRange {
  std::int64_t low;
  std::int64_t high;
};

OffsetRange InsideOffsets(const Axis& axis) {
  if (axis.sign > 0) return {-axis.start, axis.extent - 1 - axis.start};
  return {axis.start - (axis.extent - 1), axis.start};
}

// Where the line stands after some steps: its minor offset, and the midpoint error in
// [0, 2 * major) that moves the minor axis on when it reaches 2 * major.
struct Midpoint {
  std::int64_t offset;
  std::int64_t error;
};

// Half way, a minor axis that grows keeps its offset (the smaller coordinate) and one that
// shrinks moves on: one less in the error makes the exact half-way point fall short.
std::int64_t TieBias(int minor_sign) {
  return minor_sign > 0 ? 1 : 0;
}

// step < major <= 2^32 and minor <= major, so the product fits in 64 bits.
Midpoint MidpointAt(std::uint64_t step, std::uint64_t minor, std::uint64_t major,
                    std::int64_t bias) {
  const std::uint64_t product = step * minor;
  const std::int64_t remainder = product % major;
  const std::int64_t length = major;
  const bool rounds_up = 2 * remainder - bias >= length;
  return {static_cast<std::int64_t>(product / major) + rounds_up,
          2 * remainder + length - bias - (rounds_up ? 2 * length : 0)};
}

// First step of [first, last) whose minor offset is at least target; last when there is none.
std::uint64_t FirstStepReaching(std::uint64_t first, std::uint64_t last, std::int64_t target,
                                std::uint64_t minor, std::uint64_t major, std::int64_t bias) {
  while (first < last) {
    const std::uint64_t middle = first + (last - first) / 2;
    if (MidpointAt(middle, minor, major, bias).offset >= target) {
      last = middle;
    } else {
      first = middle + 1;
    }
  }
  return first;
}

struct Steps {
  std::uint64_t first;
  std::uint64_t last;  // exclusive
};

// Narrows the steps to those whose pixel lies in the frame; the minor offset only grows with
// the step, so each bound is one binary search.
Steps ClipSteps(const Axis& major, const Axis& minor, std::uint64_t minor_length,
                std::uint64_t major_length) {
  const OffsetRange along = InsideOffsets(major);
  const OffsetRange across = InsideOffsets(minor);
  const std::int64_t first = std::max<std::int64_t>(along.low, 0);
  const std::int64_t last = std::min<std::int64_t>(along.high + 1, major_length);
  if (first >= last || across.high < 0) return {0, 0};
  Steps steps{static_cast<std::uint64_t>(first), static_cast<std::uint64_t>(last)};
  const std::int64_t bias = TieBias(minor.sign);
  steps.first =
      FirstStepReaching(steps.first, steps.last, across.low, minor_length, major_length, bias);
  steps.last =
      FirstStepReaching(steps.first, steps.last, across.high + 1, minor_length, major_length, bias);
  return steps;
}

bool Inside(const Frame& frame, int x, int y) {
  return x >= 0 && x < frame.width && y >= 0 && y < frame.height;
}

// The pixels a line paints: count pixels from index at, each followed by a step along the
// major axis, and along the minor one whenever the midpoint error reaches 2 * major.
struct Walk {
  std::ptrdiff_t at;
  std::int64_t count;
  std::int64_t error;  // in [0, 2 * major)
  std::int64_t two_minor;
  std::int64_t two_major;
  std::ptrdiff_t major_step;
  std::ptrdiff_t minor_step;
};

// Calls visit with the index of each pixel of the walk in turn.
template <typename Visit>
void ForEachPixel(const Walk& walk, Visit visit) {
  std::ptrdiff_t at = walk.at;
  std::int64_t error = walk.error;
  for (std::int64_t count = walk.count; count > 0; --count) {
    visit(at);
    error += walk.two_minor;
    // All ones when the minor axis moves. Arithmetic, not a branch: whether it moves is a
    // coin toss for the branch predictor.
    const std::int64_t moves = (walk.two_major - 1 - error) >> 63;
    error -= walk.two_major & moves;
    at += walk.major_step + (walk.minor_step & moves);
  }
}

void Paint(std::uint32_t* pixels, const Walk& walk, std::uint32_t color) {
  ForEachPixel(walk, [pixels, color](std::ptrdiff_t at) { pixels[at] = color; });
}

// A line from pixel index 0 over (dx, dy), with no clipping and no division.
Walk StraightWalk(std::ptrdiff_t stride, int dx, int dy) {
  const int length_x = dx < 0 ? -dx : dx;
  const int length_y = dy < 0 ? -dy : dy;
  const std::ptrdiff_t step_x = dx < 0 ? -1 : 1;
  const std::ptrdiff_t step_y = dy < 0 ? -stride : stride;
  if (length_x >= length_y) {
    return {0,      length_x, length_x - TieBias(dy < 0 ? -1 : 1), 2 * length_y, 2 * length_x,
            step_x, step_y};
  }
  return {0,      length_y, length_y - TieBias(dx < 0 ? -1 : 1), 2 * length_x, 2 * length_y,
          step_y, step_x};
}

// Any ends: only the steps whose pixels lie in the frame, starting mid-line if need be.
Walk ClippedWalk(const Frame& frame, int x0, int y0, int x1, int y1) {
  const std::int64_t dx = std::int64_t{x1} - x0;
  const std::int64_t dy = std::int64_t{y1} - y0;
  const Axis x_axis{x0, dx < 0 ? -1 : 1, frame.width};
  const Axis y_axis{y0, dy < 0 ? -1 : 1, frame.height};
  const bool x_major = std::llabs(dx) >= std::llabs(dy);
  const Axis& major = x_major ? x_axis : y_axis;
  const Axis& minor = x_major ? y_axis : x_axis;
  const std::uint64_t major_length = std::llabs(x_major ? dx : dy);
  const std::uint64_t minor_length = std::llabs(x_major ? dy : dx);
  if (major_length == 0) return {};
  const Steps steps = ClipSteps(major, minor, minor_length, major_length);
  if (steps.first >= steps.last) return {};
  const Midpoint state = MidpointAt(steps.first, minor_length, major_length, TieBias(minor.sign));
  const std::int64_t along = major.start + major.sign * static_cast<std::int64_t>(steps.first);
  const std::int64_t across = minor.start + minor.sign * state.offset;
  const std::int64_t x = x_major ? along : across;
  const std::int64_t y = x_major ? across : along;
  return {static_cast<std::ptrdiff_t>(y * frame.stride + x),
          static_cast<std::int64_t>(steps.last - steps.first),
          state.error,
          2 * static_cast<std::int64_t>(minor_length),
          2 * static_cast<std::int64_t>(major_length),
          x_major ? major.sign : major.sign * frame.stride,
          x_major ? minor.sign * frame.stride : minor.sign};
}

// Kept out of line so that the common path stays small.
[[gnu::noinline]] void PaintClipped(const Frame& frame, int x0, int y0, int x1, int y1,
                                    std::uint32_t color) {
  Paint(frame.pixels, ClippedWalk(frame, x0, y0, x1, y1), color);
}

}  // namespace

ShortLines::ShortLines(std::ptrdiff_t stride) {
  for (int dy = -kReach; dy <= kReach; ++dy) {
    for (int dx = -kReach; dx <= kReach; ++dx) {
      Offsets& offsets = offsets_[Index(dx, dy)];
      offsets.fill(0);
      std::size_t next = 0;
      ForEachPixel(StraightWalk(stride, dx, dy), [&](std::ptrdiff_t at) { offsets[next++] = at; });
    }
  }
}

void DrawThinLine(const Frame& frame, const ShortLines& short_lines, int x0, int y0, int x1, int y1,
                  std::uint32_t color) {
  if (!Inside(frame, x0, y0) || !Inside(frame, x1, y1)) {
    PaintClipped(frame, x0, y0, x1, y1, color);
    return;
  }
  // Both ends in the frame, as nearly every line of a plant.
  const int dx = x1 - x0;
  const int dy = y1 - y0;
  std::uint32_t* first = frame.pixels + y0 * frame.stride + x0;
  if (short_lines.Covers(dx, dy)) {
    short_lines.Paint(first, dx, dy, color);
  } else {
    Paint(first, StraightWalk(frame.stride, dx, dy), color);
  }
}

}  // namespace verdant
