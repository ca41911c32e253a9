// gdi_lines: every line probe drawn by GDI through the saver's own GDI surface into a 32-bit DIB
// section, one line of painted pixels each on standard output.
#include <cstdio>

#include "saver/surface/win32/gdi_surface.h"
#include "tests/peers/dib_canvas.h"
#include "tests/saver/surface/line_probes.h"

int main() {
  using namespace verdant::testing;
  DibCanvas canvas(kProbeSquare, kProbeSquare);
  if (!canvas.Ready()) return 1;
  verdant::GdiSurface surface(canvas.Dc());
  for (const LineProbe& probe : LineProbes()) {
    canvas.Clear();
    DrawProbe(surface, probe);
    const std::uint32_t* pixels = canvas.Pixels();
    std::vector<std::pair<int, int>> painted;
    for (int y = 0; y < kProbeSquare; ++y) {
      for (int x = 0; x < kProbeSquare; ++x) {
        if (pixels[y * kProbeSquare + x] & 0xFFFFFF) painted.push_back({x, y});
      }
    }
    std::puts(ProbeLine(probe, painted).c_str());
  }
  return 0;
}
