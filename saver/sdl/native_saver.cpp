#include "saver/sdl/native_saver.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "saver/animation/ini/ini_profile_store.h"
#include "saver/plants/input_pending.h"
#include "saver/sdl/saver_session.h"
#include "saver/sdl/video_drivers.h"

namespace verdant {
namespace {

// Only a desktop will do: SDL would otherwise fall back to an off-screen driver and the saver
// would run unseen. Another program's window is an X window, whatever SDL_VIDEODRIVER asks for:
// no other driver can draw in it.
bool ChooseVideoDriver(bool foreign) {
  std::string drivers =
      foreign ? "x11" : UsableVideoDrivers(std::getenv("SDL_VIDEODRIVER"), "x11,wayland");
  if (drivers.empty()) {
    std::fputs("verdant: the Wayland compositor has no seat (no keyboard or pointer) for SDL\n",
               stderr);
    return false;
  }
  SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, drivers.c_str(), SDL_HINT_OVERRIDE);
  return true;
}

}  // namespace

int RunNativeSaver(const NativeOptions& options) {
  if (!ChooseVideoDriver(options.foreign.has_value())) return 0;
  // The desktop's own blanking, power saving and locking go on while the saver runs.
  SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
  // Closing a window is refused; SDL_QUIT then comes only from SIGINT and SIGTERM.
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) {
    std::fprintf(stderr, "verdant: no display: %s\n", SDL_GetError());
    return 0;
  }
  IniProfileStore profile(DefaultProfileFolder());
  int exit_code = 0;
  {
    SaverSession session(profile, !options.foreign);
    if (session.Open(options)) {
      SetInputQueue(&session);
      exit_code = session.Run(options.ticks);
      SetInputQueue(nullptr);
    } else {
      std::fprintf(stderr, "verdant: cannot open a window: %s\n", SDL_GetError());
    }
  }
  SDL_Quit();
  return exit_code;
}

}  // namespace verdant
