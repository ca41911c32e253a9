#pragma once
// Where the full-screen saver window goes: over every monitor, so that none keeps showing what
// was left open on it.

namespace verdant {

// The platform's system-metric numbers the choice reads; the Windows layer checks them.
inline constexpr int kSmCxScreen = 0;
inline constexpr int kSmCyScreen = 1;
inline constexpr int kSmXVirtualScreen = 76;
inline constexpr int kSmYVirtualScreen = 77;
inline constexpr int kSmCxVirtualScreen = 78;
inline constexpr int kSmCyVirtualScreen = 79;
inline constexpr int kSmCMonitors = 80;

struct ScreenMetrics {
  virtual ~ScreenMetrics() = default;
  // GetSystemMetrics(index); 0 for a metric the platform does not know.
  virtual int GetSystemMetrics(int index) = 0;
};

struct ScreenArea {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const ScreenArea&, const ScreenArea&) = default;
};

// The virtual screen when there are several monitors; otherwise the primary one at 0, 0, read
// as it always was (also where the platform counts no monitors at all).
ScreenArea SaverScreenArea(ScreenMetrics& metrics);

}  // namespace verdant
