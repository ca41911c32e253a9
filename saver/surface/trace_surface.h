#pragma once
// A drawing surface that writes what the saver draws as text, one record per line, in the
// order it happens:
//   create <W> <H> <seed>            palette <first> <count> <e0> … <e235>
//   tick <n>                         line <x0> <y0> <x1> <y1> <w> <c>
//   pixel <x> <y> <c>                rect <l> <t> <r> <b> <c>
// Colours read i<N> for PALETTEINDEX N, #rrggbb for RGB. A palette record follows the write of
// a new palette's background range (the last step of building it). The surface may forward
// every call to another one, so that a picture is drawn and traced at once.
#include <cstdint>
#include <ostream>
#include <string>
#include <unordered_map>
#include <vector>

#include "saver/core/drawing_surface.h"

namespace verdant {

class TraceSurface final : public DrawingSurface {
 public:
  // `inner` may be null: the trace alone then acts as a 32-bit display.
  TraceSurface(std::ostream& out, DrawingSurface* inner);

  // Records the renderer itself writes: the window's creation and the start of each tick.
  void RecordCreate(int width, int height, std::int64_t seed);
  void RecordTick(std::int64_t tick);

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

 private:
  enum class Kind { kPalette, kPen, kBrush };
  struct Object {
    Kind kind;
    GdiHandle inner = 0;  // the forwarded surface's handle; 0 until known for stock objects
    int width = 0;
    ColorRef color = 0;
    std::vector<PaletteEntry> entries;
    bool deleted = false;  // deleted while selected: it goes once something replaces it
  };

  GdiHandle Add(Object object);
  Object* Find(GdiHandle handle, Kind kind);
  GdiHandle Select(GdiHandle& selected, GdiHandle handle, Kind kind);
  void WritePalette(const Object& palette, int first, int count);
  void Field(std::int64_t value);
  void Color(ColorRef color);
  void EndRecord();

  std::ostream& out_;
  DrawingSurface* inner_;
  std::unordered_map<GdiHandle, Object> objects_;
  GdiHandle next_handle_;
  GdiHandle pen_;
  GdiHandle brush_;
  GdiHandle palette_;
  int position_x_ = 0;
  int position_y_ = 0;
  std::string record_;
};

}  // namespace verdant
