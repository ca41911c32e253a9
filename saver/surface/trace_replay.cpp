#include "saver/surface/trace_replay.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string_view>
#include <utility>

#include "saver/core/saver_constants.h"

namespace verdant {
namespace {

// Six hex digits, rrggbb.
bool ParseRgb(std::string_view text, std::uint32_t& rgb) {
  if (text.size() != 6) return false;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), rgb, 16);
  return result.ec == std::errc{} && result.ptr == text.data() + text.size();
}

// i<N> is PALETTEINDEX N, #rrggbb an RGB colour.
bool ParseColor(std::string_view text, ColorRef& color) {
  if (text.size() > 1 && text[0] == 'i') {
    unsigned index = 0;
    const auto result = std::from_chars(text.data() + 1, text.data() + text.size(), index);
    color = PaletteIndex(index);
    return result.ec == std::errc{} && result.ptr == text.data() + text.size() && index <= 0xFFFF;
  }
  std::uint32_t rgb = 0;
  if (text.empty() || text[0] != '#' || !ParseRgb(text.substr(1), rgb)) return false;
  color = RgbColor(rgb >> 16 & 0xFF, rgb >> 8 & 0xFF, rgb & 0xFF);
  return true;
}

bool ParseEntry(std::string_view text, PaletteEntry& entry) {
  std::uint32_t rgb = 0;
  if (!ParseRgb(text, rgb)) return false;
  entry = {static_cast<std::uint8_t>(rgb >> 16 & 0xFF), static_cast<std::uint8_t>(rgb >> 8 & 0xFF),
           static_cast<std::uint8_t>(rgb & 0xFF), kPcReserved};
  return true;
}

// One record after its name; false when it does not parse.
bool ParseRecord(const std::string& name, std::istringstream& fields, Trace& trace) {
  TraceRecord record{};
  int count = 0;
  if (name == "create") {
    fields >> trace.width >> trace.height >> trace.seed;
    return !fields.fail();
  } else if (name == "tick") {
    return true;
  } else if (name == "palette") {
    record.kind = TraceRecord::Kind::kPalette;
    int first = 0;
    fields >> first >> count;
    if (fields.fail()) return false;
    // The record holds the whole traced palette after the write of entries first..first+count.
    for (std::string text; fields >> text;) {
      if (!ParseEntry(text, record.entries.emplace_back())) return false;
    }
    if (record.entries.empty()) return false;
    trace.records.push_back(std::move(record));
    return true;
  } else if (name == "line") {
    record.kind = TraceRecord::Kind::kLine;
    count = 5;
  } else if (name == "pixel") {
    record.kind = TraceRecord::Kind::kPixel;
    count = 2;
  } else if (name == "rect") {
    record.kind = TraceRecord::Kind::kRect;
    count = 4;
  } else {
    return false;
  }
  for (int i = 0; i < count; ++i) fields >> record.values[i];
  std::string color, rest;
  fields >> color;
  if (fields.fail() || !ParseColor(color, record.color) || fields >> rest) return false;
  trace.records.push_back(std::move(record));
  return true;
}

bool Draws(const TraceLayer& layer, const TraceRecord& record) {
  switch (layer.kind) {
    case TraceLayer::Kind::kAll:
      return true;
    case TraceLayer::Kind::kBands:
      return record.kind == TraceRecord::Kind::kRect;
    case TraceLayer::Kind::kPixels:
      return record.kind == TraceRecord::Kind::kPixel;
    case TraceLayer::Kind::kLines:
      return record.kind == TraceRecord::Kind::kLine && record.values[4] == layer.width;
  }
  return false;
}

// The objects a replay makes, each made once and deleted at the end.
class ReplayObjects {
 public:
  explicit ReplayObjects(DrawingSurface& surface) : surface_(surface) {}
  ReplayObjects(const ReplayObjects&) = delete;
  ReplayObjects& operator=(const ReplayObjects&) = delete;
  ~ReplayObjects() {
    if (palette_) {
      surface_.SelectPalette(first_palette_);
      surface_.DeleteObject(palette_);
    }
    if (first_pen_) surface_.SelectObject(first_pen_);
    if (first_brush_) surface_.SelectObject(first_brush_);
    for (const auto& [key, pen] : pens_) surface_.DeleteObject(pen);
    for (const auto& [color, brush] : brushes_) surface_.DeleteObject(brush);
  }

  // The saver's palette is larger than its trace; the tail nobody draws with stays black.
  void UsePalette(const std::vector<PaletteEntry>& traced) {
    std::vector<PaletteEntry> entries(std::max<std::size_t>(traced.size(), kPaletteSize),
                                      PaletteEntry{0, 0, 0, kPcReserved});
    std::copy(traced.begin(), traced.end(), entries.begin());
    const GdiHandle next = surface_.CreatePalette(entries);
    if (!next) return;
    const GdiHandle previous = surface_.SelectPalette(next);
    surface_.RealizePalette();
    if (palette_) {
      surface_.DeleteObject(palette_);
    } else {
      first_palette_ = previous;
    }
    palette_ = next;
  }

  void UsePen(int width, ColorRef color) {
    GdiHandle& pen = pens_[{width, color}];
    if (!pen) pen = surface_.CreatePen(width, color);
    Select(pen, first_pen_);
  }

  void UseBrush(ColorRef color) {
    GdiHandle& brush = brushes_[color];
    if (!brush) brush = surface_.CreateSolidBrush(color);
    Select(brush, first_brush_);
  }

 private:
  // The first selection returns the object the context started with, put back at the end.
  void Select(GdiHandle object, GdiHandle& first) {
    const GdiHandle previous = surface_.SelectObject(object);
    if (!first) first = previous;
  }

  DrawingSurface& surface_;
  GdiHandle first_pen_ = 0;
  GdiHandle first_brush_ = 0;
  GdiHandle palette_ = 0;
  GdiHandle first_palette_ = 0;
  std::map<std::pair<int, ColorRef>, GdiHandle> pens_;
  std::map<ColorRef, GdiHandle> brushes_;
};

}  // namespace

std::optional<Trace> ReadTrace(std::istream& in, std::string& error) {
  Trace trace;
  int number = 0;
  for (std::string line; std::getline(in, line);) {
    ++number;
    std::istringstream fields(line);
    std::string name;
    fields >> name;
    if (!ParseRecord(name, fields, trace)) {
      error = "record " + std::to_string(number) + " does not parse: " + line.substr(0, 60);
      return std::nullopt;
    }
  }
  if (trace.width <= 0 || trace.height <= 0) {
    error = "no create record";
    return std::nullopt;
  }
  return trace;
}

std::optional<Trace> ReadTraceFile(const std::string& path, std::string& error) {
  std::ifstream in(path);
  auto trace = ReadTrace(in, error);
  if (!trace) error = path + ": " + error;
  return trace;
}

std::vector<TraceLayer> LayersOf(const Trace& trace) {
  std::vector<TraceLayer> layers{
      {TraceLayer::Kind::kAll}, {TraceLayer::Kind::kBands}, {TraceLayer::Kind::kPixels}};
  std::set<int> widths;
  for (const TraceRecord& record : trace.records) {
    if (record.kind == TraceRecord::Kind::kLine) widths.insert(record.values[4]);
  }
  for (const int width : widths) layers.push_back({TraceLayer::Kind::kLines, width});
  return layers;
}

std::string LayerName(const TraceLayer& layer) {
  switch (layer.kind) {
    case TraceLayer::Kind::kAll:
      return "all";
    case TraceLayer::Kind::kBands:
      return "bands";
    case TraceLayer::Kind::kPixels:
      return "pixels";
    case TraceLayer::Kind::kLines:
      return std::string("w").append(std::to_string(layer.width));
  }
  return {};
}

void Replay(const Trace& trace, const TraceLayer& layer, DrawingSurface& surface) {
  ReplayObjects objects(surface);
  for (const TraceRecord& record : trace.records) {
    const int* v = record.values;
    if (record.kind == TraceRecord::Kind::kPalette) {
      objects.UsePalette(record.entries);
      continue;
    }
    if (!Draws(layer, record)) continue;
    switch (record.kind) {
      case TraceRecord::Kind::kLine:
        objects.UsePen(v[4], record.color);
        surface.MoveToEx(v[0], v[1]);
        surface.LineTo(v[2], v[3]);
        break;
      case TraceRecord::Kind::kPixel:
        surface.SetPixel(v[0], v[1], record.color);
        break;
      case TraceRecord::Kind::kRect:
        // A band is drawn in a one-pixel pen of its own colour.
        objects.UseBrush(record.color);
        objects.UsePen(1, record.color);
        surface.Rectangle(v[0], v[1], v[2], v[3]);
        break;
      case TraceRecord::Kind::kPalette:
        break;
    }
  }
}

}  // namespace verdant
