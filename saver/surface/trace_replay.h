#pragma once
// Reads a drawing trace (as TraceSurface writes it) and draws it again on any surface with the
// calls the saver made: a palette per palette record, a pen per line, a brush and a pen of the
// band's colour per rectangle. A layer draws one kind of record alone, so that two surfaces can
// be compared pen width by pen width.
#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "saver/core/drawing_surface.h"

namespace verdant {

struct TraceRecord {
  enum class Kind { kPalette, kLine, kPixel, kRect };
  Kind kind;
  int values[5] = {};  // line: x0 y0 x1 y1 width; pixel: x y; rect: left top right bottom
  ColorRef color = 0;
  std::vector<PaletteEntry> entries;  // palette: every traced entry
};

struct Trace {
  int width = 0;
  int height = 0;
  std::int64_t seed = 0;
  std::vector<TraceRecord> records;  // in order; ticks are left out
};

// The trace, or nothing when a record does not parse; error then says which line.
std::optional<Trace> ReadTrace(std::istream& in, std::string& error);
// ReadTrace of the file at `path`, its name leading the error.
std::optional<Trace> ReadTraceFile(const std::string& path, std::string& error);

// What a replay draws: everything, the band rectangles, the pixels, or the lines of one width.
// Palettes are always replayed, so that every layer resolves colours as the whole picture does.
struct TraceLayer {
  enum class Kind { kAll, kBands, kPixels, kLines };
  Kind kind;
  int width = 0;  // kLines only
  friend bool operator==(const TraceLayer&, const TraceLayer&) = default;
};

// kAll, kBands, kPixels, then one kLines layer per pen width the trace uses, thinnest first.
std::vector<TraceLayer> LayersOf(const Trace& trace);
// "all", "bands", "pixels", "w<width>": a file name part.
std::string LayerName(const TraceLayer& layer);

// Draws the layer of the trace on surface, which starts as the saver's window does, and
// deletes every object it created before it returns.
void Replay(const Trace& trace, const TraceLayer& layer, DrawingSurface& surface);

}  // namespace verdant
