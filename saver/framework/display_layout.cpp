#include "saver/framework/display_layout.h"

#include <algorithm>

namespace verdant {

CursorPoint ClampToDisplays(CursorPoint from, CursorPoint to,
                            std::span<const DisplayRect> displays) {
  if (displays.empty()) return to;
  auto holds = [](CursorPoint p) { return [p](const DisplayRect& d) { return d.Contains(p); }; };
  if (std::ranges::any_of(displays, holds(to))) return to;
  auto found = std::ranges::find_if(displays, holds(from));
  const DisplayRect& d = found == displays.end() ? displays.front() : *found;
  return {std::clamp(to.x, d.x, d.x + std::max(d.width - 1, 0)),
          std::clamp(to.y, d.y, d.y + std::max(d.height - 1, 0))};
}

}  // namespace verdant
