// gdi_lines_compare <GDI's probes>: draws every line probe with the software surface and
// compares its pixels with what GDI painted (the output of the Windows program gdi_lines). Prints
// the share of differing pixels per pen width and fails when a width is above its limit: 0 for
// the thin pens, and for the wide ones the figures measured so far, which may only go down.
#include <array>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>

#include "saver/surface/software_surface.h"
#include "tests/saver/surface/line_probes.h"

namespace {

using namespace verdant;
using namespace verdant::testing;

// Differing pixels per thousand of those either side paints, by pen width.
constexpr std::array<int, 10> kLimits{0, 0, 277, 230, 175, 117, 172, 70, 79, 85};

std::string SoftwareLine(const LineProbe& probe) {
  SoftwareSurface surface(kProbeSquare, kProbeSquare);
  DrawProbe(surface, probe);
  std::vector<std::pair<int, int>> painted;
  for (int y = 0; y < kProbeSquare; ++y) {
    for (int x = 0; x < kProbeSquare; ++x) {
      if (surface.PixelAt(x, y) != 0) painted.push_back({x, y});
    }
  }
  return ProbeLine(probe, painted);
}

std::set<std::string> Pixels(const std::string& line) {
  std::set<std::string> pixels;
  std::size_t at = line.find(':') + 1;
  while (at < line.size()) {
    const std::size_t next = line.find(' ', at + 1);
    pixels.insert(
        line.substr(at + 1, next == std::string::npos ? std::string::npos : next - at - 1));
    at = next == std::string::npos ? line.size() : next;
  }
  return pixels;
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
    std::string theirs;
    if (!std::getline(gdi, theirs)) {
      std::fprintf(stderr, "gdi_lines_compare: %s ends after %d probes\n", argv[1], lines);
      return 1;
    }
    if (!theirs.empty() && theirs.back() == '\r') theirs.pop_back();
    const std::string ours = SoftwareLine(probe);
    if (theirs.substr(0, theirs.find(':')) != ours.substr(0, ours.find(':'))) {
      std::fprintf(stderr, "gdi_lines_compare: probe %d is not %s\n", lines, ours.c_str());
      return 1;
    }
    const auto a = Pixels(theirs), b = Pixels(ours);
    std::set<std::string> both(a.begin(), a.end());
    both.insert(b.begin(), b.end());
    long same = 0;
    for (const auto& p : a) same += b.count(p);
    differing[probe.width] += static_cast<long>(both.size()) - same;
    painted[probe.width] += static_cast<long>(both.size());
    ++lines;
  }
  bool within = true;
  std::puts("width  differing / painted by either  per thousand  limit");
  for (int width = 0; width < 10; ++width) {
    const long share = painted[width] ? differing[width] * 1000 / painted[width] : 0;
    std::printf("%5d  %9ld / %-20ld  %12ld  %5d\n", width, differing[width], painted[width], share,
                kLimits[width]);
    within = within && share <= kLimits[width];
  }
  std::printf("%d probes: %s\n", lines, within ? "within the limits" : "ABOVE A LIMIT");
  return within ? 0 : 1;
}
