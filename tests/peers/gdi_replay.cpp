// gdi_replay <trace> <prefix> […]: draws each drawing trace again with GDI, through the saver's
// own GDI surface, into a 32-bit DIB section, once per layer of the trace (the whole picture,
// the bands, the pixels, the lines of each pen width), and writes <prefix>-<layer>.ppm.
#include <cstdio>
#include <string>

#include "saver/surface/trace_replay.h"
#include "saver/surface/win32/gdi_surface.h"
#include "tests/peers/dib_canvas.h"
#include "tests/saver/surface/ppm_image.h"

namespace {

using namespace verdant;
using namespace verdant::testing;

bool ReplayLayers(const std::string& path, const std::string& prefix) {
  std::string error;
  const std::optional<Trace> trace = ReadTraceFile(path, error);
  if (!trace) {
    std::fprintf(stderr, "gdi_replay: %s\n", error.c_str());
    return false;
  }
  DibCanvas canvas(trace->width, trace->height);
  if (!canvas.Ready()) return false;
  GdiSurface surface(canvas.Dc());
  for (const TraceLayer& layer : LayersOf(*trace)) {
    canvas.Clear();
    Replay(*trace, layer, surface);
    const std::string out = prefix + "-" + LayerName(layer) + ".ppm";
    if (!WritePpm(out, trace->width, trace->height, canvas.Pixels(), trace->width)) {
      std::fprintf(stderr, "gdi_replay: cannot write %s\n", out.c_str());
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3 || argc % 2 == 0) {
    std::fputs("usage: gdi_replay <trace> <prefix> [<trace> <prefix> ...]\n", stderr);
    return 2;
  }
  for (int i = 1; i + 1 < argc; i += 2) {
    if (!ReplayLayers(argv[i], argv[i + 1])) return 1;
  }
  return 0;
}
