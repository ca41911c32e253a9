#pragma once
// The X window a display mode draws in: another program's (XScreenSaver's, or one given by
// -window-id), which that program may destroy at any moment, or the root window. Xlib's default
// answer to a request on a window that is gone is to end the whole program with an X error; the
// saver ends its display mode cleanly instead.
#include <cstdint>

struct _XDisplay;

namespace verdant {

// The root window of the X display in DISPLAY, where a display mode started with -root draws
// when XScreenSaver gives it no window of its own; 0 when there is no X display.
std::uint64_t X11RootWindow();

class X11WindowWatch {
 public:
  // Watches the window over a connection of its own to DISPLAY. From then on, for the rest of
  // the process, an X error saying that this window is not there marks it gone; every other
  // error still goes to the handler set before (SDL's, then Xlib's, which ends the program).
  // Start SDL first: its X11 driver sets a handler of its own as it starts.
  explicit X11WindowWatch(std::uint64_t id);
  ~X11WindowWatch();
  X11WindowWatch(const X11WindowWatch&) = delete;
  X11WindowWatch& operator=(const X11WindowWatch&) = delete;

  // Whether the window is gone: destroyed, or found missing by a request on it. Also true when
  // there is no X display. Never waits.
  bool Gone();

 private:
  _XDisplay* display_;
};

}  // namespace verdant
