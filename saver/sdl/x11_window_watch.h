#pragma once
// Another program's X window (XScreenSaver's, or one given by -window-id), which that program
// may destroy at any moment. Xlib's default answer to a request on a window that is gone is to
// end the whole program with an X error; the saver ends its display mode cleanly instead.
#include <cstdint>

struct _XDisplay;

namespace verdant {

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
