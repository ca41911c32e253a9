// Wide lines as GDI paints them, measured under Wine: a body and a disc at each end, painted
// one row at a time.
// The body is the parallelogram between the end points moved to integer corners on either side:
// for a sloped line the side to the right (+x) lies one pixel past the half width, rounded down,
// and the other side at the half width rounded to the nearest (half way away from the line);
// along an axis the sides lie ceil(width / 2) below or right and floor(width / 2) above or left.
// It is filled as GDI fills a polygon: a pixel whose centre lies on a left or top edge is in,
// one on a right or bottom edge out.
// Each disc has the radius width / 2 - 1/10 about the end point (about its upper left corner for
// even widths): that matches GDI's end caps pixel for pixel for every width up to 15 and for
// most wider ones; the saver's pens are at most 9 wide.
#include "saver/surface/raster_wide_line.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace verdant {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// A closed interval of x; empty while left > right.
struct Interval {
  double left = -kInfinity;
  double right = kInfinity;

  void Meet(double a, double b) {
    left = std::max(left, std::min(a, b));
    right = std::min(right, std::max(a, b));
  }
  void Clear() { left = kInfinity; }
};

struct Point {
  double x;
  double y;
};

// The pixels [first, last) of a row; empty while first >= last.
struct Span {
  double first = 0;
  double last = 0;

  // Takes other in when the two overlap or touch, or either is empty; false when they lie apart.
  bool Join(const Span& other) {
    if (other.first >= other.last) return true;
    if (first >= last) {
      *this = other;
      return true;
    }
    if (other.first > last || other.last < first) return false;
    first = std::min(first, other.first);
    last = std::max(last, other.last);
    return true;
  }
};

// The corner offsets from each end point to the body's right and left sides.
struct Sides {
  Point right;
  Point left;
};

Sides SidesOf(double dx, double dy, int width) {
  // The normal to the line on its right, or below it when it is horizontal.
  double nx = dy, ny = -dx;
  if (nx < 0 || (nx == 0 && ny < 0)) {
    nx = -nx;
    ny = -ny;
  }
  const double sign_y = ny < 0 ? -1 : 1;
  if (nx == 0 || ny == 0) {
    const double far = std::ceil(width / 2.0);
    const double near = std::floor(width / 2.0);
    if (nx == 0) return {{0, far}, {0, -near}};
    return {{far, 0}, {-near, 0}};
  }
  // The half width along each axis; an exact integer or half lies on the outer side.
  const double scale = width / (2 * std::sqrt(dx * dx + dy * dy));
  const double mx = nx * scale;
  const double my = std::abs(ny) * scale;
  return {{std::floor(mx) + 1, sign_y * (std::floor(my) + 1)},
          {-std::floor(mx + 0.5), -sign_y * std::floor(my + 0.5)}};
}

// Narrows row to the points of row y between the two parallel lines through a and b in
// direction (ex, ey).
void MeetStrip(Interval& row, double y, Point a, Point b, double ex, double ey) {
  if (ey == 0) {
    if (y < std::min(a.y, b.y) || y > std::max(a.y, b.y)) row.Clear();
    return;
  }
  // Product before quotient: an edge that crosses the row at a whole pixel does so exactly.
  row.Meet(a.x + (y - a.y) * ex / ey, b.x + (y - b.y) * ex / ey);
}

// The parallelogram right -> right + d -> left + d -> left, d the line's direction.
class Body {
 public:
  Body(Point start, Point end, int width) : dx_(end.x - start.x), dy_(end.y - start.y) {
    if (dx_ == 0 && dy_ == 0) return;  // a dot is its caps alone
    const Sides sides = SidesOf(dx_, dy_, width);
    right_ = {start.x + sides.right.x, start.y + sides.right.y};
    left_ = {start.x + sides.left.x, start.y + sides.left.y};
    far_left_ = {left_.x + dx_, left_.y + dy_};
    low_ = std::min(sides.right.y, sides.left.y);
    high_ = std::max(sides.right.y, sides.left.y);
    start_y_ = start.y;
    end_y_ = end.y;
    top_ = std::ceil(std::min(start.y, end.y) + low_);
    bottom_ = std::ceil(std::max(start.y, end.y) + high_);
  }

  double Top() const { return top_; }
  double Bottom() const { return bottom_; }  // exclusive

  // The pixels of row y.
  void Row(double y, Span& span) const {
    if (y < top_ || y >= bottom_) return;
    Interval row;
    MeetStrip(row, y, right_, left_, dx_, dy_);
    // A row that crosses neither end edge meets the body between its sides alone.
    if (CrossesEnd(y, start_y_) || CrossesEnd(y, end_y_)) {
      MeetStrip(row, y, left_, far_left_, right_.x - left_.x, right_.y - left_.y);
    }
    if (row.left > row.right) return;
    span = {std::ceil(row.left), std::ceil(row.right)};
  }

 private:
  bool CrossesEnd(double y, double end_y) const { return y >= end_y + low_ && y <= end_y + high_; }

  double dx_;
  double dy_;
  double low_ = 0;  // the end edges' rows relative to their end point: [low_, high_]
  double high_ = 0;
  double start_y_ = 0;
  double end_y_ = 0;
  Point right_{};
  Point left_{};
  Point far_left_{};
  double top_ = kInfinity;
  double bottom_ = -kInfinity;
};

// A disc about an end point, whose row spans depend only on the row's offset from it.
// The disc of a pen about its end point, row by row relative to that point.
class Disc {
 public:
  explicit Disc(int width) : radius_(width / 2.0 - 0.1), shift_(width % 2 == 0 ? -0.5 : 0.0) {
    top_ = std::floor(shift_ - radius_) + 1;
    bottom_ = std::ceil(shift_ + radius_);
  }

  // Its rows are [Top(), Bottom()).
  double Top() const { return top_; }
  double Bottom() const { return bottom_; }

  // The pixels of row offset whose centres lie inside the disc.
  Span Row(double offset) const {
    const double dy = offset - shift_;
    const double squared = radius_ * radius_ - dy * dy;
    if (squared <= 0) return {};
    const double half = std::sqrt(squared);
    return {std::floor(shift_ - half) + 1, std::ceil(shift_ + half)};
  }

 private:
  double radius_;
  double shift_;
  double top_;
  double bottom_;
};

// The end caps of the saver's pens, worked out once: a square root per row of every cap of the
// bushes' many short lines costs more than their body.
constexpr int kTabledWidth = 16;
struct CapRows {
  int top = 0;
  int count = 0;
  std::array<Span, kTabledWidth + 1> spans{};
};

const CapRows& TabledCap(int width) {
  static const std::array<CapRows, kTabledWidth + 1> table = [] {
    std::array<CapRows, kTabledWidth + 1> caps{};
    for (int width = 2; width <= kTabledWidth; ++width) {
      const Disc disc(width);
      CapRows& cap = caps[width];
      cap.top = static_cast<int>(disc.Top());
      cap.count = static_cast<int>(disc.Bottom() - disc.Top());
      for (int i = 0; i < cap.count; ++i) cap.spans[i] = disc.Row(cap.top + i);
    }
    return caps;
  }();
  return table[width];
}

// A cap of any width on the frame's rows.
class Cap {
 public:
  Cap(Point end, int width)
      : end_(end), disc_(width), tabled_(width <= kTabledWidth ? &TabledCap(width) : nullptr) {
    top_ = end.y + disc_.Top();
    bottom_ = end.y + disc_.Bottom();
  }

  double Top() const { return top_; }
  double Bottom() const { return bottom_; }  // exclusive

  // The pixels of row y, which lies in [Top(), Bottom()).
  Span Row(double y) const {
    const Span relative =
        tabled_ ? tabled_->spans[static_cast<int>(y - top_)] : disc_.Row(y - end_.y);
    return {end_.x + relative.first, end_.x + relative.last};
  }

 private:
  Point end_;
  Disc disc_;
  const CapRows* tabled_;
  double top_;
  double bottom_;
};

void FillRow(const Frame& frame, double y, const Span& span, std::uint32_t color) {
  const double first = std::max(span.first, 0.0);
  const double last = std::min(span.last, static_cast<double>(frame.width));
  if (first >= last) return;
  std::uint32_t* row = frame.pixels + static_cast<std::ptrdiff_t>(y) * frame.stride;
  std::fill(row + static_cast<int>(first), row + static_cast<int>(last), color);
}

}  // namespace

void DrawWideLine(const Frame& frame, int x0, int y0, int x1, int y1, int width,
                  std::uint32_t color) {
  const Point start{static_cast<double>(x0), static_cast<double>(y0)};
  const Point end{static_cast<double>(x1), static_cast<double>(y1)};
  const Body body(start, end, width);
  const Cap first_cap(start, width);
  const Cap last_cap(end, width);
  const double top = std::max({std::min({body.Top(), first_cap.Top(), last_cap.Top()}), 0.0});
  const double bottom = std::min(std::max({body.Bottom(), first_cap.Bottom(), last_cap.Bottom()}),
                                 static_cast<double>(frame.height));
  for (double y = top; y < bottom; ++y) {
    // The parts of a row nearly always overlap or touch, so they are joined into one fill; a
    // part apart from the others is filled on its own.
    Span row;
    body.Row(y, row);
    for (const Cap* cap : {&first_cap, &last_cap}) {
      if (y < cap->Top() || y >= cap->Bottom()) continue;
      const Span part = cap->Row(y);
      if (!row.Join(part)) FillRow(frame, y, part, color);
    }
    FillRow(frame, y, row, color);
  }
}

}  // namespace verdant
