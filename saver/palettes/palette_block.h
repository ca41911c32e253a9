#pragma once
// The block of 256 entries a palette is assembled in, before CreatePalette or
// SetPaletteEntries takes it.
#include <array>

#include "saver/core/drawing_surface.h"
#include "saver/core/saver_constants.h"

namespace verdant {

using PaletteBlock = std::array<PaletteEntry, kPaletteSize>;

// Entry 0 and every entry no builder writes: black, reserved like the rest.
inline PaletteBlock BlackBlock() {
  PaletteBlock block;
  block.fill({0, 0, 0, kPcReserved});
  return block;
}

}  // namespace verdant
