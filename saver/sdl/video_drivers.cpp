#include "saver/sdl/video_drivers.h"

#include <wayland-client.h>

#include <cstdlib>
#include <cstring>
#include <optional>

namespace verdant {
namespace {

void NoteGlobal(void* data, wl_registry*, std::uint32_t, const char* interface, std::uint32_t) {
  if (std::strcmp(interface, wl_seat_interface.name) == 0) *static_cast<bool*>(data) = true;
}
void IgnoreRemoval(void*, wl_registry*, std::uint32_t) {}

// A compositor without a seat has no keyboard or pointer (weston's headless backend, for one).
// True only when a compositor answers and lists no seat; SDL fails without crashing otherwise.
bool CompositorLacksSeat() {
  // Without a runtime folder no compositor can be reached (and the connect would complain).
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  const char* socket = std::getenv("WAYLAND_DISPLAY");
  if ((!runtime || !*runtime) && (!socket || *socket != '/')) return false;
  wl_display* display = wl_display_connect(nullptr);
  if (!display) return false;
  bool seat = false;
  wl_registry* registry = wl_display_get_registry(display);
  static const wl_registry_listener listener{NoteGlobal, IgnoreRemoval};
  wl_registry_add_listener(registry, &listener, &seat);
  const bool answered = wl_display_roundtrip(display) >= 0;
  wl_registry_destroy(registry);
  wl_display_disconnect(display);
  return answered && !seat;
}

}  // namespace

std::string UsableVideoDrivers(const char* requested, std::string_view fallback) {
  std::string_view list = requested && *requested ? requested : fallback;
  std::string usable;
  std::optional<bool> lacks_seat;  // asked of the compositor once, when "wayland" comes up
  while (!list.empty()) {
    std::size_t comma = list.find(',');
    std::string_view name = list.substr(0, comma);
    list = comma == std::string_view::npos ? std::string_view{} : list.substr(comma + 1);
    if (name == "wayland") {
      if (!lacks_seat) lacks_seat = CompositorLacksSeat();
      if (*lacks_seat) continue;
    }
    if (name.empty()) continue;
    if (!usable.empty()) usable += ',';
    usable += name;
  }
  return usable;
}

}  // namespace verdant
