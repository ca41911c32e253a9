// verdant: the saver on a Linux desktop. Settings come from the same profile the Windows
// dialog writes, here an INI file in the user's configuration folder.
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "saver/framework/command_line.h"
#include "saver/framework/native_options.h"
#include "saver/gtk/config_mode.h"
#include "saver/sdl/native_saver.h"

namespace {

constexpr char kUsage[] =
    "usage: verdant [/s | /c] [--window WxH] [--ticks N]\n"
    "       verdant -root | -window-id ID   (a display mode of XScreenSaver)\n"
    "  /s, -s, s        run the saver on every display\n"
    "  anything else    open the settings\n"
    "  --window WxH     run the saver in a window of that size instead\n"
    "  --ticks N        end the saver by itself after N ticks (one a second)\n"
    "  -root            draw into XScreenSaver's window (XSCREENSAVER_WINDOW) or the root window\n"
    "  -window-id ID    draw into that X window\n";

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string_view> args(argv + 1, argv + argc);
  verdant::ParsedNativeOptions parsed =
      verdant::ParseNativeOptions(args, std::getenv("XSCREENSAVER_WINDOW"));
  const verdant::NativeOptions& options = parsed.options;
  if (!parsed.error.empty()) {
    std::fprintf(stderr, "verdant: %s\n%s", parsed.error.c_str(), kUsage);
    return 2;
  }
  if (options.help) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  // Another program's window is always drawn in, whatever else the command line says.
  if (!options.foreign &&
      verdant::ChooseSaverMode(options.mode_argument) != verdant::SaverMode::kSaver) {
    return verdant::RunConfigMode();
  }
  return verdant::RunNativeSaver(options);
}
