// gdi_replay_compare <kind> <trace> <GDI's prefix> […]: draws each drawing trace again with the
// software surface, layer by layer, and compares with the pictures GDI drew of the same layers
// (the Windows program gdi_replay). Prints the share of differing pixels, of those either side
// painted, per layer and plant kind, and fails when any layer of any trace differs by a pixel:
// the whole picture, the bands, the pixels and the lines of every pen width.
#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "saver/surface/software_surface.h"
#include "saver/surface/trace_replay.h"
#include "tests/saver/surface/pixel_share.h"
#include "tests/saver/surface/ppm_image.h"

namespace {

using namespace verdant;
using namespace verdant::testing;

struct Tally {
  long differing = 0;
  long painted = 0;
  void Add(const Tally& other) {
    differing += other.differing;
    painted += other.painted;
  }
};

Tally Compare(const SoftwareSurface& ours, const XrgbImage& theirs) {
  Tally tally;
  for (int y = 0; y < ours.Height(); ++y) {
    for (int x = 0; x < ours.Width(); ++x) {
      const std::uint32_t mine = ours.PixelAt(x, y);
      const std::uint32_t gdi = theirs.pixels[std::size_t(y) * theirs.width + x];
      if ((mine | gdi) == 0) continue;
      ++tally.painted;
      tally.differing += mine != gdi;
    }
  }
  return tally;
}

using Tallies = std::map<std::string, std::map<std::string, Tally>>;  // layer, then kind

// Adds one trace's layers to tallies; false when a picture is missing or a layer differs.
bool CompareTrace(const std::string& kind, const std::string& path, const std::string& prefix,
                  Tallies& tallies) {
  std::string error;
  const std::optional<Trace> trace = ReadTraceFile(path, error);
  if (!trace) {
    std::fprintf(stderr, "gdi_replay_compare: %s\n", error.c_str());
    return false;
  }
  bool same = true;
  for (const TraceLayer& layer : LayersOf(*trace)) {
    const std::string name = LayerName(layer);
    const std::optional<XrgbImage> theirs = ReadPpm(prefix + "-" + name + ".ppm");
    if (!theirs || theirs->width != trace->width || theirs->height != trace->height) {
      std::fprintf(stderr, "gdi_replay_compare: no picture %s-%s.ppm of the trace's size\n",
                   prefix.c_str(), name.c_str());
      return false;
    }
    SoftwareSurface ours(trace->width, trace->height);
    Replay(*trace, layer, ours);
    const Tally tally = Compare(ours, *theirs);
    tallies[name][kind].Add(tally);
    if (tally.differing != 0) {
      std::printf("%s %s: %ld of %ld pixels differ\n", path.c_str(), name.c_str(), tally.differing,
                  tally.painted);
      same = false;
    }
  }
  return same;
}

// One row per layer, one column per kind and the total.
void PrintTallies(const Tallies& tallies, const std::vector<std::string>& kinds) {
  std::printf("%-7s", "layer");
  for (const std::string& kind : kinds) std::printf(" %8s", kind.c_str());
  std::puts("    total   (differing pixels per thousand painted)");
  for (const auto& [layer, by_kind] : tallies) {
    Tally total;
    std::printf("%-7s", layer.c_str());
    for (const std::string& kind : kinds) {
      const auto found = by_kind.find(kind);
      if (found == by_kind.end() || found->second.painted == 0) {
        std::printf(" %8s", "-");
        continue;
      }
      total.Add(found->second);
      std::printf(" %8ld", SharePerThousand(found->second.differing, found->second.painted));
    }
    std::printf(" %8ld\n", SharePerThousand(total.differing, total.painted));
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4 || (argc - 1) % 3 != 0) {
    std::fputs("usage: gdi_replay_compare <kind> <trace> <GDI's prefix> [...]\n", stderr);
    return 2;
  }
  Tallies tallies;
  std::vector<std::string> kinds;
  bool same = true;
  for (int i = 1; i + 2 < argc; i += 3) {
    if (std::find(kinds.begin(), kinds.end(), argv[i]) == kinds.end()) kinds.push_back(argv[i]);
    same = CompareTrace(argv[i], argv[i + 1], argv[i + 2], tallies) && same;
  }
  PrintTallies(tallies, kinds);
  std::printf("%d traces: %s\n", (argc - 1) / 3, same ? "the same pixels" : "PIXELS DIFFER");
  return same ? 0 : 1;
}
