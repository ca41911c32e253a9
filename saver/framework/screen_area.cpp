#include "saver/framework/screen_area.h"

namespace verdant {

ScreenArea SaverScreenArea(ScreenMetrics& metrics) {
  if (metrics.GetSystemMetrics(kSmCMonitors) > 1) {
    return {
        metrics.GetSystemMetrics(kSmXVirtualScreen), metrics.GetSystemMetrics(kSmYVirtualScreen),
        metrics.GetSystemMetrics(kSmCxVirtualScreen), metrics.GetSystemMetrics(kSmCyVirtualScreen)};
  }
  return {0, 0, metrics.GetSystemMetrics(kSmCxScreen), metrics.GetSystemMetrics(kSmCyScreen)};
}

}  // namespace verdant
