#pragma once
// Test doubles for the saver's seams. RecordingSurface keeps every drawing call in order with
// its arguments, hands out distinct handles, and tracks what is selected, the current position
// and the contents of each palette. FakeInputQueue holds posted message numbers and, like the
// real queue under PM_NOREMOVE, never removes any.
#include <cstdint>
#include <functional>
#include <map>
#include <utility>
#include <vector>

#include "saver/core/drawing_surface.h"
#include "saver/core/input_queue.h"

namespace verdant::testing {

enum class SurfaceOp {
  kBitsPerPixel,
  kCreatePalette,
  kSetPaletteEntries,
  kSelectPalette,
  kRealizePalette,
  kCreatePen,
  kCreateSolidBrush,
  kSelectObject,
  kDeleteObject,
  kMoveToEx,
  kLineTo,
  kSetPixel,
  kRectangle,
};

// One call. `handle` is the object passed in (or, for the Create calls, the one returned);
// x, y, x2, y2 hold coordinates, `x` also the first index of SetPaletteEntries and the pen width.
struct SurfaceCall {
  SurfaceOp op = SurfaceOp::kBitsPerPixel;
  GdiHandle handle = 0;
  int x = 0;
  int y = 0;
  int x2 = 0;
  int y2 = 0;
  ColorRef color = 0;
  std::vector<PaletteEntry> entries;
};

enum class ObjectKind { kPalette, kPen, kBrush };

struct RecordedObject {
  ObjectKind kind = ObjectKind::kPen;
  int width = 0;  // pens
  ColorRef color = 0;
  std::vector<PaletteEntry> entries;  // palettes, as last set
  bool deleted = false;
};

// A line as it reaches the screen: from the current position, in the selected pen.
struct DrawnLine {
  int x0, y0, x1, y1;
  int width;
  ColorRef color;
  friend bool operator==(const DrawnLine&, const DrawnLine&) = default;
};

struct DrawnPixel {
  int x, y;
  ColorRef color;
  friend bool operator==(const DrawnPixel&, const DrawnPixel&) = default;
};

class RecordingSurface : public DrawingSurface {
 public:
  // Handles of the objects a fresh context holds before anyone selects anything.
  static constexpr GdiHandle kStockPen = 1;
  static constexpr GdiHandle kStockBrush = 2;
  static constexpr GdiHandle kDefaultPalette = 3;

  RecordingSurface();

  int BitsPerPixel() override;
  GdiHandle CreatePalette(std::span<const PaletteEntry> entries) override;
  void SetPaletteEntries(GdiHandle palette, int first,
                         std::span<const PaletteEntry> entries) override;
  GdiHandle SelectPalette(GdiHandle palette) override;
  void RealizePalette() override;
  GdiHandle CreatePen(int width, ColorRef color) override;
  GdiHandle CreateSolidBrush(ColorRef color) override;
  GdiHandle SelectObject(GdiHandle object) override;
  void DeleteObject(GdiHandle object) override;
  void MoveToEx(int x, int y) override;
  void LineTo(int x, int y) override;
  void SetPixel(int x, int y, ColorRef color) override;
  void Rectangle(int left, int top, int right, int bottom) override;

  // Scripted results.
  int bits_per_pixel = 24;
  bool fail_create_palette = false;
  // Keep the full call list; off for plants too large to record call by call.
  bool record_calls = true;
  // Called after each call has been recorded, e.g. to post input in the middle of a plant.
  std::function<void(const SurfaceCall&)> on_call;

  const std::vector<SurfaceCall>& calls() const { return calls_; }
  const std::vector<DrawnLine>& lines() const { return lines_; }
  const std::vector<DrawnPixel>& pixels() const { return pixels_; }
  std::size_t CountOf(SurfaceOp op) const;
  // Every object ever created, by handle (the stock objects included).
  const std::map<GdiHandle, RecordedObject>& objects() const { return objects_; }
  const RecordedObject& Object(GdiHandle handle) const { return objects_.at(handle); }
  // Created objects not deleted yet.
  int LiveObjects() const;

  GdiHandle selected_pen() const { return pen_; }
  GdiHandle selected_brush() const { return brush_; }
  GdiHandle selected_palette() const { return palette_; }

 private:
  void Record(SurfaceCall call);
  GdiHandle Create(RecordedObject object);

  std::vector<SurfaceCall> calls_;
  std::vector<DrawnLine> lines_;
  std::vector<DrawnPixel> pixels_;
  std::map<GdiHandle, RecordedObject> objects_;
  GdiHandle next_handle_ = 0x100;
  GdiHandle pen_ = kStockPen;
  GdiHandle brush_ = kStockBrush;
  GdiHandle palette_ = kDefaultPalette;
  int position_x_ = 0;
  int position_y_ = 0;
};

class FakeInputQueue : public InputQueue {
 public:
  bool PeekMessageA(unsigned first, unsigned last) override;

  void Post(unsigned message) { messages.push_back(message); }

  std::vector<unsigned> messages;                     // waiting, oldest first
  std::vector<std::pair<unsigned, unsigned>> peeked;  // ranges asked for, in order
};

}  // namespace verdant::testing
