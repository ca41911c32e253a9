// verdant: the saver on a Linux desktop. Settings come from the same profile the Windows
// dialog writes, here an INI file in the user's configuration folder.
//   verdant /s [--window WxH] [--ticks N]     the saver
//   verdant [anything else]                   the settings dialog
#include <SDL.h>

#include <charconv>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string_view>

#include "saver/animation/ini/ini_profile_store.h"
#include "saver/framework/command_line.h"
#include "saver/framework/sdl/config_mode.h"
#include "saver/framework/sdl/sdl_saver_window.h"
#include "saver/plants/input_pending.h"

namespace {

constexpr char kUsage[] =
    "usage: verdant /s [--window WxH] [--ticks N]\n"
    "  --window WxH  run in a window of that size instead of full screen\n"
    "  --ticks N     end by itself after N ticks (one a second)\n";

template <typename T>
bool ParseNumber(std::string_view text, T& value) {
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() && value > 0;
}

bool ParseSize(std::string_view text, verdant::WindowSize& size) {
  auto x = text.find('x');
  return x != std::string_view::npos && ParseNumber(text.substr(0, x), size.width) &&
         ParseNumber(text.substr(x + 1), size.height) && size.width <= 16384 &&
         size.height <= 16384;
}

}  // namespace

int main(int argc, char** argv) {
  // The first argument picks the mode as on Windows; the saver's own options follow "/s".
  if (verdant::ChooseSaverMode(argc > 1 ? argv[1] : "") != verdant::SaverMode::kSaver) {
    return verdant::RunConfigMode();
  }
  std::optional<verdant::WindowSize> size;
  std::optional<long> ticks;
  for (int i = 2; i < argc; ++i) {
    std::string_view arg = argv[i];
    bool has_value = i + 1 < argc;
    if (arg == "--window" && has_value && ParseSize(argv[i + 1], size.emplace())) {
      ++i;
    } else if (arg == "--ticks" && has_value && ParseNumber(argv[i + 1], ticks.emplace())) {
      ++i;
    } else {
      std::fputs(kUsage, arg == "--help" ? stdout : stderr);
      return arg == "--help" ? 0 : 2;
    }
  }

  // Only a desktop will do: SDL would otherwise fall back to an off-screen driver and the
  // saver would run unseen. SDL_VIDEODRIVER still overrides this.
  SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11,wayland");
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) {
    std::fprintf(stderr, "verdant: no display: %s\n", SDL_GetError());
    return 1;
  }
  verdant::IniProfileStore profile(verdant::DefaultProfileFolder());
  int exit_code = 1;
  {
    verdant::SdlSaverWindow window(size, profile);
    if (window.Created()) {
      verdant::SetInputQueue(&window);
      exit_code = window.Run(ticks);
      verdant::SetInputQueue(nullptr);
    } else {
      std::fprintf(stderr, "verdant: cannot open a window: %s\n", SDL_GetError());
    }
  }
  SDL_Quit();
  return exit_code;
}
