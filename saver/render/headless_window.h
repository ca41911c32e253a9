#pragma once
// The saver window without a screen: one drawing surface as its context, a fixed screen size
// and a fixed clock, so that a seed stands in for the time of day.
#include "saver/animation/saver_window_host.h"

namespace verdant {

class HeadlessWindow final : public SaverWindowHost {
 public:
  HeadlessWindow(DrawingSurface& surface, int width, int height, std::int64_t time)
      : surface_(surface), width_(width), height_(height), time_(time) {}

  DrawingSurface* GetDC() override { return &surface_; }
  void ReleaseDC(DrawingSurface*) override {}
  void DeleteObject(GdiHandle object) override { surface_.DeleteObject(object); }
  int ScreenWidth() override { return width_; }
  int ScreenHeight() override { return height_; }
  // The renderer runs the ticks itself.
  void SetTimer(unsigned, unsigned) override {}
  void KillTimer(unsigned) override {}
  // The surfaces are 32-bit, so the display check never fails and nothing is shown or sent.
  void MessageBoxA(const std::string&, const std::string&) override {}
  void SendDestroy() override {}
  std::int64_t Time() override { return time_; }

 private:
  DrawingSurface& surface_;
  int width_;
  int height_;
  std::int64_t time_;
};

}  // namespace verdant
