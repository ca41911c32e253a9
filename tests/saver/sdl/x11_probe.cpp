// What the GUI tests (native saver, settings dialog) ask of the X server that xdotool cannot:
//   x11_probe displays            the number of displays (RandR monitors) of the screen
//   x11_probe cursor-pixels       pixels of the pointer image that are not fully transparent
//   x11_probe close <window>      asks the window to close, as a window manager does
//   x11_probe blanks <seconds>    "yes" when the server's own screen saver starts within that
//                                 many idle seconds (its timeout set to 1 s), else "no"
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>
#include <X11/extensions/Xrandr.h>
#include <X11/extensions/scrnsaver.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

int Displays(Display* display) {
  int count = 0;
  XRRMonitorInfo* monitors = XRRGetMonitors(display, DefaultRootWindow(display), True, &count);
  if (monitors) XRRFreeMonitors(monitors);
  std::printf("%d\n", count);
  return 0;
}

int CursorPixels(Display* display) {
  XFixesCursorImage* image = XFixesGetCursorImage(display);
  if (!image) return 1;
  int opaque = 0;
  for (int i = 0; i < image->width * image->height; ++i) opaque += (image->pixels[i] >> 24) != 0;
  XFree(image);
  std::printf("%d\n", opaque);
  return 0;
}

int Close(Display* display, Window window) {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display, window, False, NoEventMask, &event);
  XSync(display, False);
  return 0;
}

int Blanks(Display* display, int seconds) {
  XSetScreenSaver(display, 1, 0, DontPreferBlanking, AllowExposures);
  XResetScreenSaver(display);
  XSync(display, False);
  bool on = false;
  for (int i = 0; i < seconds * 10 && !on; ++i) {
    usleep(100000);
    XScreenSaverInfo info;
    on = XScreenSaverQueryInfo(display, DefaultRootWindow(display), &info) &&
         info.state == ScreenSaverOn;
  }
  XSetScreenSaver(display, 0, 0, DefaultBlanking, DefaultExposures);
  XForceScreenSaver(display, ScreenSaverReset);
  XSync(display, False);
  std::puts(on ? "yes" : "no");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  Display* display = XOpenDisplay(nullptr);
  if (!display || argc < 2) return 2;
  int rc = 2;
  if (std::strcmp(argv[1], "displays") == 0) {
    rc = Displays(display);
  } else if (std::strcmp(argv[1], "cursor-pixels") == 0) {
    rc = CursorPixels(display);
  } else if (std::strcmp(argv[1], "close") == 0 && argc == 3) {
    rc = Close(display, std::strtoul(argv[2], nullptr, 0));
  } else if (std::strcmp(argv[1], "blanks") == 0 && argc == 3) {
    rc = Blanks(display, std::atoi(argv[2]));
  }
  XCloseDisplay(display);
  return rc;
}
