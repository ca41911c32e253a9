#pragma once
// The animation's view of a real window (the saver window or the configuration dialog): each
// method is the named Win32 call on that window.
#include <windows.h>

#include <optional>

#include "saver/animation/saver_window_host.h"
#include "saver/surface/win32/gdi_surface.h"

namespace verdant {

class Win32WindowHost final : public SaverWindowHost {
 public:
  explicit Win32WindowHost(HWND window) : window_(window) {}

  // One context at a time: the cycle takes and releases it within a tick or a check.
  DrawingSurface* GetDC() override;
  void ReleaseDC(DrawingSurface* context) override;
  void DeleteObject(GdiHandle object) override;
  int ScreenWidth() override;
  int ScreenHeight() override;
  void SetTimer(unsigned id, unsigned period_ms) override;
  void KillTimer(unsigned id) override;
  void MessageBoxA(const std::string& text, const std::string& caption) override;
  void SendDestroy() override;
  std::int64_t Time() override;

 private:
  HWND window_;
  HDC dc_ = nullptr;
  std::optional<GdiSurface> surface_;
};

}  // namespace verdant
