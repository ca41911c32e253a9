#pragma once
// The native saver's command line. The arguments that are not its own options are joined with
// single spaces into the text that picks the mode, as the text after the program name does on
// Windows. The options added off Windows are for tests and demos (--window, --ticks) and for
// running as a display mode of XScreenSaver (-root, -window-id, and XSCREENSAVER_WINDOW).
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace verdant {

struct WindowSize {
  int width = 0;
  int height = 0;
};

// An X window owned by another program; id 0 stands for the screen's root window.
struct ForeignWindow {
  std::uint64_t id = 0;
};

struct NativeOptions {
  std::string mode_argument;
  std::optional<WindowSize> window;  // a window of this size instead of full screen
  std::optional<long> ticks;         // end by itself after this many ticks
  std::optional<ForeignWindow> foreign;
  bool help = false;
};

struct ParsedNativeOptions {
  NativeOptions options;
  std::string error;  // empty when the arguments were understood
};

// args without the program name; xscreensaver_window is that variable's value, or null when
// unset (an empty value counts as unset). -window-id wins over the variable, the variable over
// -root. Options may be spelled with one dash or two.
ParsedNativeOptions ParseNativeOptions(std::span<const std::string_view> args,
                                       const char* xscreensaver_window);

}  // namespace verdant
