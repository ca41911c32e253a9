#pragma once
// The root window of the X display in DISPLAY, where a display mode started with -root draws
// when XScreenSaver gives it no window of its own.
#include <cstdint>

namespace verdant {

// 0 when there is no X display.
std::uint64_t X11RootWindow();

}  // namespace verdant
