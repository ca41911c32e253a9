#include "saver/animation/saver_cycle.h"

#include "saver/animation/settings_io.h"
#include "saver/core/random_source.h"
#include "saver/plants/draw_plant.h"

namespace verdant {
namespace {

constexpr unsigned kTimerId = 1;
constexpr unsigned kTimerPeriodMs = 1000;

}  // namespace

void SaverCycle::OnCreate(SaverWindowHost& window) {
  if (!CheckDisplayAndLoad(window, profile_, settings_)) return;
  SeedRandom(static_cast<std::uint32_t>(window.Time()));
  screen_width_ = window.ScreenWidth();
  screen_height_ = window.ScreenHeight();
  palette_ = {};
  if (DrawingSurface* context = window.GetDC()) {
    palette_ = BuildPalette(*context, settings_.ColorChoice, settings_.BkgndTone);
    window.ReleaseDC(context);
  }
  plants_drawn_ = 0;
  pause_ticks_ = 0;
  window.SetTimer(kTimerId, kTimerPeriodMs);
}

// Without a context nothing can be drawn, so the tick is skipped and the screen's state waits.
void SaverCycle::OnTimer(SaverWindowHost& window) {
  DrawingSurface* context = window.GetDC();
  if (!context) return;
  if (pause_ticks_ > 0) {
    --pause_ticks_;
  } else if (plants_drawn_ < settings_.Number) {
    DrawOnePlant(*context);
  } else {
    NewScreen(*context);
  }
  window.ReleaseDC(context);
}

void SaverCycle::OnDestroy(SaverWindowHost& window) {
  if (palette_.Palette) {
    window.DeleteObject(palette_.Palette);
    palette_.Palette = 0;
  }
  window.KillTimer(kTimerId);
}

void SaverCycle::DrawOnePlant(DrawingSurface& context) {
  const GdiHandle previous = context.SelectPalette(palette_.Palette);
  context.RealizePalette();
  DrawPlant(context, screen_width_, screen_height_, settings_.ColorChoice, settings_.PlantType);
  ++plants_drawn_;
  context.SelectPalette(previous);
  if (plants_drawn_ >= settings_.Number) pause_ticks_ = settings_.Delay;
}

void SaverCycle::PaintBand(DrawingSurface& context, int index, int top, int bottom) const {
  const ColorRef color = PaletteIndex(static_cast<unsigned>(index));
  const GdiHandle brush = context.CreateSolidBrush(color);
  const GdiHandle pen = context.CreatePen(1, color);
  const GdiHandle old_brush = context.SelectObject(brush);
  const GdiHandle old_pen = context.SelectObject(pen);
  context.Rectangle(0, top, screen_width_, bottom);
  context.SelectObject(old_pen);
  context.SelectObject(old_brush);
  context.DeleteObject(pen);
  context.DeleteObject(brush);
}

void SaverCycle::NewScreen(DrawingSurface& context) {
  // Once creation has failed no palette is asked for again, and the bands keep its range.
  if (palette_.Palette) {
    context.DeleteObject(palette_.Palette);
    palette_ = BuildPalette(context, settings_.ColorChoice, settings_.BkgndTone);
  }
  const GdiHandle previous = context.SelectPalette(palette_.Palette);
  context.RealizePalette();
  plants_drawn_ = 0;
  // One band per background entry, top down; the bands may run past the bottom edge.
  const int count = palette_.BackgroundCount;
  const int height = screen_height_ / count + 1;
  for (int k = 0; k < count; ++k) {
    PaintBand(context, palette_.BackgroundFirst + k, k * height, (k + 1) * height);
  }
  context.SelectPalette(previous);
  // The palette just built serves the stepped scheme too: Grays to Magentas share one layout.
  if (settings_.CycleColors && ++settings_.ColorChoice == kCycledSchemes) {
    settings_.ColorChoice = kGrays;
  }
}

}  // namespace verdant
