#include "saver/sdl/x11_root_window.h"

#include <X11/Xlib.h>

namespace verdant {

std::uint64_t X11RootWindow() {
  Display* display = XOpenDisplay(nullptr);
  if (!display) return 0;
  // The id stays valid after the connection closes: the root window lives as long as the server.
  std::uint64_t root = DefaultRootWindow(display);
  XCloseDisplay(display);
  return root;
}

}  // namespace verdant
