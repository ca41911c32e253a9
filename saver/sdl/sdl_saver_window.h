#pragma once
// One saver window on SDL2: a full-screen (or sized, or another program's) window showing a
// software framebuffer. It offers the window operations the saver's procedures call; its
// session turns SDL's events into the window messages those procedures decide on.
#include <SDL.h>

#include <cstdint>
#include <optional>

#include "saver/animation/saver_cycle.h"
#include "saver/animation/saver_window_host.h"
#include "saver/framework/saver_base.h"
#include "saver/surface/software_surface.h"

namespace verdant {

class SaverSession;

class SdlSaverWindow final : public SaverWindowHost, public SaverBaseWindow {
 public:
  // Takes the SDL window, null when it could not be made, and gives it a framebuffer its size.
  // The window's cycle reads its settings from the profile, which must outlive the window.
  SdlSaverWindow(SaverSession& session, SDL_Window* window, ProfileStore& profile);
  ~SdlSaverWindow() override;
  SdlSaverWindow(const SdlSaverWindow&) = delete;
  SdlSaverWindow& operator=(const SdlSaverWindow&) = delete;

  bool Created() const { return surface_.has_value(); }
  bool Destroyed() const { return destroyed_; }
  bool HoldsTimer() const { return timer_set_ && !destroyed_; }
  Uint32 Id() const { return id_; }

  // The saver's window procedure; nothing once the window is gone.
  MessageResult Dispatch(unsigned message, MessageWParam w_param, MessageLParam l_param);
  // Shows the framebuffer again, changed or not (the window was uncovered).
  void Redraw();

  // SaverWindowHost
  DrawingSurface* GetDC() override { return surface_ ? &*surface_ : nullptr; }
  void ReleaseDC(DrawingSurface* context) override;
  void DeleteObject(GdiHandle object) override {
    if (surface_) surface_->DeleteObject(object);
  }
  int ScreenWidth() override { return width_; }
  int ScreenHeight() override { return height_; }
  void SetTimer(unsigned id, unsigned period_ms) override;
  void KillTimer(unsigned) override { timer_set_ = false; }
  void MessageBoxA(const std::string& text, const std::string& caption) override;
  void SendDestroy() override { Dispatch(kWmDestroy, 0, 0); }
  std::int64_t Time() override;

  // SaverBaseWindow
  void PostMessageA(unsigned message, MessageWParam w_param, MessageLParam l_param) override;
  void PostQuitMessage(int exit_code) override;
  void SetCursor() override { SDL_ShowCursor(SDL_DISABLE); }
  CursorPoint GetCursorPos() override;
  void SetCursorPos(int x, int y) override;
  MessageResult DefWindowProcA(unsigned message, MessageWParam w_param,
                               MessageLParam l_param) override;

 private:
  void Release();

  SaverSession& session_;
  SaverCycle cycle_;
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  std::optional<SoftwareSurface> surface_;
  Uint32 id_ = 0;
  int width_ = 0;
  int height_ = 0;
  std::uint64_t shown_changes_ = 0;  // the surface's change count when last shown
  bool timer_set_ = false;
  bool destroyed_ = false;
};

}  // namespace verdant
