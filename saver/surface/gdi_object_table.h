#pragma once
// The pens, brushes and palettes of the software surface, behind opaque handles. A handle
// carries its slot and the slot's generation, so a handle kept after its object was deleted
// never finds the object that took the slot over.
#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

#include "saver/core/drawing_surface.h"

namespace verdant {

struct PenObject {
  int width;
  ColorRef color;
};

struct BrushObject {
  ColorRef color;
};

struct PaletteObject {
  std::vector<std::uint32_t> colors;  // XRGB, one per logical entry
};

using GdiObject = std::variant<PenObject, BrushObject, PaletteObject>;

class GdiObjectTable {
 public:
  // 0 when the table is full.
  GdiHandle Add(GdiObject object);
  // Null unless handle names a live object.
  GdiObject* Find(GdiHandle handle);
  template <typename T>
  T* Find(GdiHandle handle) {
    GdiObject* object = Find(handle);
    return object ? std::get_if<T>(object) : nullptr;
  }
  // Ignores handles that name no live object.
  void Remove(GdiHandle handle);

 private:
  struct Slot {
    std::optional<GdiObject> object;
    std::uint32_t generation = 0;
  };
  Slot* SlotOf(GdiHandle handle);

  std::vector<Slot> slots_;
  std::vector<std::uint32_t> free_slots_;
};

}  // namespace verdant
