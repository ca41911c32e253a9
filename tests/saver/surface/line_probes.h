#pragma once
// The line probes that GDI and the software surface both draw, each alone on a black square:
// widths 0 to 9, lengths 0 to 20, in every slope octant, from the middle of the square.
#include <cstdio>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "saver/core/drawing_surface.h"

namespace verdant::testing {

inline constexpr int kProbeSquare = 64;
inline constexpr int kProbeStart = 32;

struct LineProbe {
  int width, dx, dy;
};

inline std::vector<LineProbe> LineProbes() {
  std::vector<LineProbe> probes;
  for (int width = 0; width <= 9; ++width) {
    for (int length = 0; length <= 20; ++length) {
      std::set<std::pair<int, int>> ends;
      for (int minor : {0, length / 3, length / 2, (2 * length) / 3, length}) {
        for (int sx : {1, -1}) {
          for (int sy : {1, -1}) {
            ends.insert({sx * length, sy * minor});
            ends.insert({sx * minor, sy * length});
          }
        }
      }
      for (auto [dx, dy] : ends) probes.push_back({width, dx, dy});
    }
  }
  return probes;
}

// One probe drawn as the saver draws a line: its own pen, a move, a line to the end.
inline void DrawProbe(DrawingSurface& surface, const LineProbe& probe) {
  const GdiHandle pen = surface.CreatePen(probe.width, RgbColor(255, 255, 255));
  const GdiHandle previous = surface.SelectObject(pen);
  surface.MoveToEx(kProbeStart, kProbeStart);
  surface.LineTo(kProbeStart + probe.dx, kProbeStart + probe.dy);
  surface.SelectObject(previous);
  surface.DeleteObject(pen);
}

// "width dx dy: x,y x,y …" with the painted pixels in row order.
inline std::string ProbeLine(const LineProbe& probe,
                             const std::vector<std::pair<int, int>>& painted) {
  char part[32];
  std::snprintf(part, sizeof part, "%d %d %d:", probe.width, probe.dx, probe.dy);
  std::string line = part;
  for (auto [x, y] : painted) {
    std::snprintf(part, sizeof part, " %d,%d", x, y);
    line += part;
  }
  return line;
}

}  // namespace verdant::testing
