#pragma once
// The animation of one saver window, from its creation to its destruction: its settings, its
// palette, the screen size and the counters of the current screen. The window procedure calls
// OnCreate, OnTimer and OnDestroy for WM_CREATE, WM_TIMER and WM_DESTROY, then passes every
// message on to the default saver procedure. Several windows may each own a cycle; all of them
// draw from the process's one random source, and a plant is drawn whole within one tick.
#include "saver/animation/profile_store.h"
#include "saver/animation/saver_window_host.h"
#include "saver/core/saver_settings.h"
#include "saver/palettes/palette_builder.h"

namespace verdant {

class SaverCycle {
 public:
  // The settings are read from profile at creation; it must outlive the cycle.
  explicit SaverCycle(ProfileStore& profile) : profile_(profile) {}
  SaverCycle(const SaverCycle&) = delete;
  SaverCycle& operator=(const SaverCycle&) = delete;

  // Checks the display and reads the settings (on failure nothing more), seeds the random
  // source from window.Time(), takes the screen size, builds the first palette and starts
  // timer 1 at 1000 ms. Nothing is painted: the first screen is the window's black.
  void OnCreate(SaverWindowHost& window);
  // One tick: a tick of pause, one plant, or a new palette and screen of background bands.
  // Skipped when the window gives no context.
  void OnTimer(SaverWindowHost& window);
  // Deletes the palette and kills the timer.
  void OnDestroy(SaverWindowHost& window);

  // The settings read at creation, ColorChoice as "Cycle" has stepped it since.
  const SaverSettings& Settings() const { return settings_; }

 private:
  void DrawOnePlant(DrawingSurface& context);
  void PaintBand(DrawingSurface& context, int index, int top, int bottom) const;
  void NewScreen(DrawingSurface& context);

  ProfileStore& profile_;
  SaverSettings settings_;
  int screen_width_ = 0;
  int screen_height_ = 0;
  BuiltPalette palette_;  // absent (0) when creation failed; then never asked for again
  int plants_drawn_ = 0;
  int pause_ticks_ = 0;
};

}  // namespace verdant
