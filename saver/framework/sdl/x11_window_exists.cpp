#include "saver/framework/sdl/x11_window_exists.h"

#include <X11/Xlib.h>

namespace verdant {
namespace {

// Xlib's own handler exits on any error; the failed request's status answers the question.
int IgnoreError(Display*, XErrorEvent*) {
  return 0;
}

}  // namespace

bool X11WindowExists(std::uint64_t id) {
  Display* display = XOpenDisplay(nullptr);
  if (!display) return false;
  XErrorHandler previous = XSetErrorHandler(IgnoreError);
  XWindowAttributes attributes;
  const bool exists = XGetWindowAttributes(display, static_cast<Window>(id), &attributes) != 0;
  XSetErrorHandler(previous);
  XCloseDisplay(display);
  return exists;
}

}  // namespace verdant
