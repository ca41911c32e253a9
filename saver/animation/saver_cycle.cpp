#include "saver/animation/saver_cycle.h"

#include "saver/core/random_source.h"
#include "saver/core/saver_settings.h"
#include "saver/palettes/palette_builder.h"
#include "saver/plants/draw_plant.h"

namespace verdant {
namespace {

constexpr unsigned kTimerId = 1;
constexpr unsigned kTimerPeriodMs = 1000;
constexpr int kCycleSchemes = 7;  // "Cycle" steps through Grays … Magentas

// The animation state of the one saver window.
int ScreenWidth = 0;
int ScreenHeight = 0;
GdiHandle Palette = 0;
int PlantsDrawn = 0;
int PauseTicks = 0;

void DrawOnePlant(DrawingSurface& context) {
  const SaverSettings& settings = Settings();
  const GdiHandle previous = context.SelectPalette(Palette);
  context.RealizePalette();
  DrawPlant(context, ScreenWidth, ScreenHeight, settings.ColorChoice, settings.PlantType);
  ++PlantsDrawn;
  context.SelectPalette(previous);
  if (PlantsDrawn >= settings.Number) PauseTicks = settings.Delay;
}

void PaintBand(DrawingSurface& context, int index, int top, int bottom) {
  const ColorRef color = PaletteIndex(static_cast<unsigned>(index));
  const GdiHandle brush = context.CreateSolidBrush(color);
  const GdiHandle pen = context.CreatePen(1, color);
  const GdiHandle old_brush = context.SelectObject(brush);
  const GdiHandle old_pen = context.SelectObject(pen);
  context.Rectangle(0, top, ScreenWidth, bottom);
  context.SelectObject(old_pen);
  context.SelectObject(old_brush);
  context.DeleteObject(pen);
  context.DeleteObject(brush);
}

// One band per background entry, top down; the bands may run past the bottom edge.
void PaintBands(DrawingSurface& context) {
  const int first = BackgroundFirst();
  const int count = BackgroundCount();
  const int height = ScreenHeight / count + 1;
  for (int k = 0; k < count; ++k) PaintBand(context, first + k, k * height, (k + 1) * height);
}

void NewScreen(DrawingSurface& context) {
  SaverSettings& settings = Settings();
  // Once creation has failed no palette is asked for again.
  if (Palette) {
    context.DeleteObject(Palette);
    Palette = BuildPalette(context, settings.BkgndTone);
  }
  const GdiHandle previous = context.SelectPalette(Palette);
  context.RealizePalette();
  PlantsDrawn = 0;
  PaintBands(context);
  context.SelectPalette(previous);
  // The palette just built serves the stepped scheme too: 0 to 6 share one layout.
  if (settings.CycleColors && ++settings.ColorChoice == kCycleSchemes) settings.ColorChoice = 0;
}

}  // namespace

void SaverOnCreate(SaverWindowHost& window) {
  if (!CheckDisplayAndLoad(window)) return;
  SeedRandom(static_cast<std::uint32_t>(window.Time()));
  ScreenWidth = window.ScreenWidth();
  ScreenHeight = window.ScreenHeight();
  Palette = 0;
  if (DrawingSurface* context = window.GetDC()) {
    Palette = BuildPalette(*context, Settings().BkgndTone);
    window.ReleaseDC(context);
  }
  PlantsDrawn = 0;
  PauseTicks = 0;
  window.SetTimer(kTimerId, kTimerPeriodMs);
}

// Without a context nothing can be drawn, so the tick is skipped and the screen's state waits.
void SaverOnTimer(SaverWindowHost& window) {
  DrawingSurface* context = window.GetDC();
  if (!context) return;
  if (PauseTicks > 0) {
    --PauseTicks;
  } else if (PlantsDrawn < Settings().Number) {
    DrawOnePlant(*context);
  } else {
    NewScreen(*context);
  }
  window.ReleaseDC(context);
}

void SaverOnDestroy(SaverWindowHost& window) {
  if (Palette) {
    window.DeleteObject(Palette);
    Palette = 0;
  }
  window.KillTimer(kTimerId);
}

}  // namespace verdant
