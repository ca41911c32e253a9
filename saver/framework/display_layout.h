#pragma once
// Where the pointer may go when the saver moves it over several displays, in the global
// coordinates that span them all.
#include <span>

#include "saver/framework/saver_base.h"

namespace verdant {

struct DisplayRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool Contains(CursorPoint p) const {
    return p.x >= x && p.x < x + width && p.y >= y && p.y < y + height;
  }
};

// The place a move of the pointer from `from` to `to` ends at: `to` when some display holds it,
// else `to` held inside the display `from` is on (the first display when none holds `from`).
// The pointer stops at the edge of the screen, as it does on Windows; with no display at all it
// goes where it is sent.
CursorPoint ClampToDisplays(CursorPoint from, CursorPoint to,
                            std::span<const DisplayRect> displays);

}  // namespace verdant
