// gdi_lines_compare <GDI's probes>: draws every line probe with the software surface and
// compares its pixels with what GDI painted (the output of the Windows program gdi_lines). Prints
// the share of differing pixels per pen width and fails when a width is above its limit, which
// may only go down: 0 for every width, since the wide pens take the shapes GDI paints.
#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "saver/surface/software_surface.h"
#include "tests/saver/surface/line_probes.h"
#include "tests/saver/surface/pixel_share.h"

namespace {

using namespace verdant;
using namespace verdant::testing;

// Differing pixels per thousand of those either side paints, by pen width.
constexpr std::array<int, 10> kLimits{0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

using PixelSet = std::set<std::pair<int, int>>;

PixelSet SoftwarePixels(const LineProbe& probe) {
  SoftwareSurface surface(kProbeSquare, kProbeSquare);
  DrawProbe(surface, probe);
  PixelSet painted;
  for (int y = 0; y < kProbeSquare; ++y) {
    for (int x = 0; x < kProbeSquare; ++x) {
      if (surface.PixelAt(x, y) != 0) painted.insert({x, y});
    }
  }
  return painted;
}

// A line of gdi_lines: the probe's "width dx dy", then the pixels as "x,y".
bool ReadGdiLine(std::istream& in, LineProbe& probe, PixelSet& pixels) {
  std::string line;
  if (!std::getline(in, line)) return false;
  std::replace(line.begin(), line.end(), ':', ' ');
  std::replace(line.begin(), line.end(), ',', ' ');
  std::istringstream fields(line);
  fields >> probe.width >> probe.dx >> probe.dy;
  for (int x, y; fields >> x >> y;) pixels.insert({x, y});
  return !fields.bad();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: gdi_lines_compare <GDI's probes>\n", stderr);
    return 2;
  }
  std::ifstream gdi(argv[1]);
  std::array<long, 10> differing{}, painted{};
  int lines = 0;
  for (const LineProbe& probe : LineProbes()) {
    LineProbe drawn{};
    PixelSet theirs;
    if (!ReadGdiLine(gdi, drawn, theirs) || drawn.width != probe.width || drawn.dx != probe.dx ||
        drawn.dy != probe.dy) {
      std::fprintf(stderr, "gdi_lines_compare: %s does not match probe %d\n", argv[1], lines);
      return 1;
    }
    const PixelSet ours = SoftwarePixels(probe);
    PixelSet either = theirs;
    either.insert(ours.begin(), ours.end());
    long same = 0;
    for (const auto& p : theirs) same += static_cast<long>(ours.count(p));
    differing[probe.width] += static_cast<long>(either.size()) - same;
    painted[probe.width] += static_cast<long>(either.size());
    ++lines;
  }
  bool within = true;
  std::puts("width  differing / painted by either  per thousand  limit");
  for (int width = 0; width < 10; ++width) {
    const long share = SharePerThousand(differing[width], painted[width]);
    std::printf("%5d  %9ld / %-20ld  %12ld  %5d\n", width, differing[width], painted[width], share,
                kLimits[width]);
    within = within && share <= kLimits[width];
  }
  std::printf("%d probes: %s\n", lines, within ? "within the limits" : "ABOVE A LIMIT");
  return within ? 0 : 1;
}
