#pragma once
// Which of SDL's video drivers the saver lets it try.
#include <string>
#include <string_view>

namespace verdant {

// The comma-separated list SDL is to try: `requested` (SDL_VIDEODRIVER) when set, else
// `fallback`; without "wayland" when the Wayland compositor reached offers no seat, since SDL
// 2.26 then crashes in SDL_Init. Empty when nothing is left to try.
std::string UsableVideoDrivers(const char* requested, std::string_view fallback);

}  // namespace verdant
