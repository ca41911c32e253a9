#pragma once
// Whether an X window given by another program (XScreenSaver, or -window-id) is there: wrapping
// a window that is not makes Xlib end the whole program on the protocol error.
#include <cstdint>

namespace verdant {

// False also when there is no X display.
bool X11WindowExists(std::uint64_t id);

}  // namespace verdant
