#include "saver/sdl/x11_window_watch.h"

#include <X11/Xlib.h>

namespace verdant {

namespace {

// Xlib's error handler is one for the process and takes no context, hence module state: one
// watched window at a time.
std::uint64_t watched_window = 0;
bool watched_gone = false;
XErrorHandler next_handler = nullptr;

// Only these two errors say that the id names no window (a window used wrongly gets BadMatch
// and the like), so nothing else is taken for the window going away.
int MarkGoneOrPassOn(Display* display, XErrorEvent* error) {
  if (error->resourceid == watched_window &&
      (error->error_code == BadWindow || error->error_code == BadDrawable)) {
    watched_gone = true;
    return 0;
  }
  return next_handler(display, error);
}

}  // namespace

X11WindowWatch::X11WindowWatch(std::uint64_t id) : display_(XOpenDisplay(nullptr)) {
  if (!display_) return;
  watched_window = id;
  watched_gone = false;
  if (!next_handler) next_handler = XSetErrorHandler(MarkGoneOrPassOn);
  // Its destruction then comes as an event, even while the saver sends nothing to it; a window
  // already gone fails the request at once.
  XSelectInput(display_, static_cast<Window>(id), StructureNotifyMask);
  XSync(display_, False);
}

X11WindowWatch::~X11WindowWatch() {
  if (display_) XCloseDisplay(display_);
}

bool X11WindowWatch::Gone() {
  if (!display_) return true;
  // Every event is taken, so that moves and resizes do not pile up in the queue.
  while (XPending(display_)) {
    XEvent event;
    XNextEvent(display_, &event);
    if (event.type == DestroyNotify && event.xdestroywindow.window == watched_window)
      watched_gone = true;
  }
  return watched_gone;
}

std::uint64_t X11RootWindow() {
  Display* display = XOpenDisplay(nullptr);
  if (!display) return 0;
  // The id stays valid after the connection closes: the root window lives as long as the server.
  std::uint64_t root = DefaultRootWindow(display);
  XCloseDisplay(display);
  return root;
}

}  // namespace verdant
