#include "saver/framework/sdl/x11_pointer.h"

#include <SDL.h>
#include <X11/Xlib.h>

namespace verdant {

X11Pointer::X11Pointer() : display_(XOpenDisplay(nullptr)) {}

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
