#pragma once
// The saver window on SDL2: a full-screen (or sized) window showing a software framebuffer.
// It offers the window operations the saver's procedures call, and turns SDL's events into the
// window messages those procedures decide on, so the native saver closes on exactly the input
// the Windows one does.
#include <SDL.h>

#include <deque>
#include <optional>

#include "saver/animation/saver_cycle.h"
#include "saver/animation/saver_window_host.h"
#include "saver/core/input_queue.h"
#include "saver/framework/saver_base.h"
#include "saver/surface/software_surface.h"

namespace verdant {

struct WindowSize {
  int width = 0;
  int height = 0;
};

class SdlSaverWindow final : public SaverWindowHost, public SaverBaseWindow, public InputQueue {
 public:
  // No size: full screen at the desktop's size. The window's cycle reads its settings from
  // profile, which must outlive the window.
  SdlSaverWindow(std::optional<WindowSize> size, ProfileStore& profile);
  ~SdlSaverWindow() override;
  bool Created() const { return window_ != nullptr; }

  // Runs the message loop until the quit message; returns its exit code. Stops after
  // max_ticks timer ticks when given (for unattended runs).
  int Run(std::optional<long> max_ticks);

  // SaverWindowHost
  DrawingSurface* GetDC() override { return surface_ ? &*surface_ : nullptr; }
  void ReleaseDC(DrawingSurface* context) override;
  void DeleteObject(GdiHandle object) override {
    if (surface_) surface_->DeleteObject(object);
  }
  int ScreenWidth() override { return width_; }
  int ScreenHeight() override { return height_; }
  void SetTimer(unsigned id, unsigned period_ms) override;
  void KillTimer(unsigned id) override;
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

  // InputQueue: looks at SDL's queue without taking anything from it.
  bool PeekMessageA(unsigned first, unsigned last) override;

 private:
  struct Message {
    unsigned message;
    MessageWParam w_param;
    MessageLParam l_param;
  };
  MessageResult Dispatch(unsigned message, MessageWParam w_param, MessageLParam l_param);
  void Translate(const SDL_Event& event);
  void TrackPointer(int window_x, int window_y);
  void Present();
  void Destroy();

  SaverCycle cycle_;
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  std::optional<SoftwareSurface> surface_;
  CursorPoint cursor_;
  int width_ = 0;
  int height_ = 0;
  bool destroyed_ = false;
  std::optional<int> quit_code_;
  std::deque<Message> posted_;
  std::optional<unsigned> timer_period_ms_;
  Uint64 next_tick_ms_ = 0;
};

}  // namespace verdant
