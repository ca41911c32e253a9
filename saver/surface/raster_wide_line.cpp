// Round-capped wide lines, one horizontal span per row: the shape (all points within the
// radius of the segment) is convex, so each row meets it in one interval, the union of what
// the two end discs and the body between them give.
#include "saver/surface/raster_wide_line.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace verdant {
namespace {

struct Point {
  double x;
  double y;
};

// An open interval of x; empty while left >= right.
struct Span {
  double left = std::numeric_limits<double>::infinity();
  double right = -std::numeric_limits<double>::infinity();

  void Join(Span other) {
    if (other.left >= other.right) return;
    left = std::min(left, other.left);
    right = std::max(right, other.right);
  }
};

// The x where low < slope * x + offset < high.
Span Between(double slope, double offset, double low, double high) {
  if (slope == 0) {
    if (low < offset && offset < high)
      return {-std::numeric_limits<double>::infinity(), std::numeric_limits<double>::infinity()};
    return {};
  }
  const double a = (low - offset) / slope;
  const double b = (high - offset) / slope;
  return {std::min(a, b), std::max(a, b)};
}

Span DiscRow(Point centre, double radius, double y) {
  const double dy = y - centre.y;
  const double squared = radius * radius - dy * dy;
  if (squared <= 0) return {};
  const double half = std::sqrt(squared);
  return {centre.x - half, centre.x + half};
}

// Points whose projection falls within the segment and whose distance to it is below radius.
Span BodyRow(Point a, Point b, double radius, double y) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double length_squared = dx * dx + dy * dy;
  if (length_squared == 0) return {};
  const double along_offset = (y - a.y) * dy - a.x * dx;
  const Span along = Between(dx, along_offset, 0, length_squared);
  const double across_offset = -a.x * dy - (y - a.y) * dx;
  const double reach = radius * std::sqrt(length_squared);
  const Span across = Between(dy, across_offset, -reach, reach);
  return {std::max(along.left, across.left), std::min(along.right, across.right)};
}

// Liang-Barsky: cuts the segment to the box; false when nothing of it lies inside.
bool ClipToBox(Point& a, Point& b, double low_x, double low_y, double high_x, double high_y) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  double enter = 0;
  double leave = 1;
  // Keeps the part of the segment where direction * t <= distance.
  const auto keep = [&](double direction, double distance) {
    if (direction == 0) return distance >= 0;
    const double t = distance / direction;
    if (direction < 0) {
      enter = std::max(enter, t);
    } else {
      leave = std::min(leave, t);
    }
    return enter <= leave;
  };
  if (!keep(-dx, a.x - low_x) || !keep(dx, high_x - a.x) || !keep(-dy, a.y - low_y) ||
      !keep(dy, high_y - a.y)) {
    return false;
  }
  b = {a.x + leave * dx, a.y + leave * dy};
  a = {a.x + enter * dx, a.y + enter * dy};
  return true;
}

}  // namespace

void DrawWideLine(const Frame& frame, int x0, int y0, int x1, int y1, int width,
                  std::uint32_t color) {
  const double radius = width / 2.0;
  const double shift = width % 2 == 0 ? -0.5 : 0.0;
  Point a{x0 + shift, y0 + shift};
  Point b{x1 + shift, y1 + shift};
  // Beyond the frame grown by the radius the shape reaches no pixel, so only that part of the
  // segment matters; cutting it there also keeps far-off end points out of the arithmetic.
  const double margin = radius + 1;
  if (!ClipToBox(a, b, -margin, -margin, frame.width + margin, frame.height + margin)) return;
  const double top = std::max(std::ceil(std::min(a.y, b.y) - radius), 0.0);
  const double bottom = std::min(std::floor(std::max(a.y, b.y) + radius), frame.height - 1.0);
  for (double y = top; y <= bottom; ++y) {
    Span span = DiscRow(a, radius, y);
    span.Join(DiscRow(b, radius, y));
    span.Join(BodyRow(a, b, radius, y));
    if (span.left >= span.right) continue;
    // Pixels whose centre lies strictly inside the interval.
    const double left = std::max(std::floor(span.left) + 1, 0.0);
    const double right = std::min(std::ceil(span.right), static_cast<double>(frame.width));
    if (left >= right) continue;
    std::uint32_t* row = frame.pixels + static_cast<std::ptrdiff_t>(y) * frame.stride;
    std::fill(row + static_cast<int>(left), row + static_cast<int>(right), color);
  }
}

}  // namespace verdant
