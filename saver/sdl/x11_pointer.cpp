#include "saver/sdl/x11_pointer.h"

#include <SDL.h>
#include <X11/Xlib.h>

#include <cstring>

namespace verdant {

// Only where SDL draws on X: on Wayland a DISPLAY names XWayland, whose pointer does not follow
// the pointer over the saver's windows.
X11Pointer::X11Pointer() {
  const char* driver = SDL_GetCurrentVideoDriver();
  display_ = driver && std::strcmp(driver, "x11") == 0 ? XOpenDisplay(nullptr) : nullptr;
}

X11Pointer::~X11Pointer() {
  if (display_) XCloseDisplay(display_);
}

CursorPoint X11Pointer::Get() {
  CursorPoint p;
  if (!display_) {
    SDL_GetGlobalMouseState(&p.x, &p.y);
    return p;
  }
  Window root;
  Window child;
  int window_x;
  int window_y;
  unsigned buttons;
  XQueryPointer(display_, DefaultRootWindow(display_), &root, &child, &p.x, &p.y, &window_x,
                &window_y, &buttons);
  return p;
}

void X11Pointer::Set(CursorPoint p) {
  if (!display_) {
    SDL_WarpMouseGlobal(p.x, p.y);
    return;
  }
  XWarpPointer(display_, None, DefaultRootWindow(display_), 0, 0, 0, 0, p.x, p.y);
  XSync(display_, False);
}

}  // namespace verdant
