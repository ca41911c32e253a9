#include "saver/sdl/sdl_saver_window.h"

#include <ctime>

#include "saver/framework/saver_window_proc.h"
#include "saver/sdl/saver_session.h"

namespace verdant {

SdlSaverWindow::SdlSaverWindow(SaverSession& session, SDL_Window* window, ProfileStore& profile)
    : session_(session), cycle_(profile), window_(window) {
  if (!window_) return;
  id_ = SDL_GetWindowID(window_);
  SDL_GetWindowSize(window_, &width_, &height_);
  renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
  if (renderer_) {
    texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                                 width_, height_);
  }
  if (!texture_) {
    Release();
    return;
  }
  surface_.emplace(width_, height_);
  Redraw();
}

SdlSaverWindow::~SdlSaverWindow() {
  Release();
}

void SdlSaverWindow::Release() {
  if (texture_) SDL_DestroyTexture(texture_);
  if (renderer_) SDL_DestroyRenderer(renderer_);
  // SDL leaves a window it did not make to its owner.
  if (window_) SDL_DestroyWindow(window_);
  texture_ = nullptr;
  renderer_ = nullptr;
  window_ = nullptr;
}

MessageResult SdlSaverWindow::Dispatch(unsigned message, MessageWParam w_param,
                                       MessageLParam l_param) {
  if (destroyed_) return 0;
  return SaverWindowProc(cycle_, *this, *this, message, w_param, l_param);
}

// A tick that drew nothing (a pause, or a plant cut short before its first line) leaves the
// screen as it is: copying a full-screen frame every second is most of the idle saver's work.
void SdlSaverWindow::ReleaseDC(DrawingSurface*) {
  if (surface_ && surface_->Changes() != shown_changes_) Redraw();
}

void SdlSaverWindow::Redraw() {
  if (!texture_ || !surface_) return;
  shown_changes_ = surface_->Changes();
  SDL_UpdateTexture(texture_, nullptr, surface_->Data(),
                    surface_->Stride() * static_cast<int>(sizeof(std::uint32_t)));
  SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
  SDL_RenderPresent(renderer_);
}

void SdlSaverWindow::SetTimer(unsigned, unsigned period_ms) {
  timer_set_ = true;
  session_.StartTimer(period_ms);
}

void SdlSaverWindow::MessageBoxA(const std::string& text, const std::string& caption) {
  SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_WARNING, caption.c_str(), text.c_str(), nullptr);
}

std::int64_t SdlSaverWindow::Time() {
  return static_cast<std::int64_t>(std::time(nullptr));
}

void SdlSaverWindow::PostMessageA(unsigned message, MessageWParam w_param, MessageLParam l_param) {
  session_.Post(this, message, w_param, l_param);
}

void SdlSaverWindow::PostQuitMessage(int exit_code) {
  session_.PostQuit(exit_code);
}

CursorPoint SdlSaverWindow::GetCursorPos() {
  return session_.Pointer().Get();
}

void SdlSaverWindow::SetCursorPos(int x, int y) {
  session_.Pointer().Set({x, y});
}

MessageResult SdlSaverWindow::DefWindowProcA(unsigned message, MessageWParam, MessageLParam) {
  if (message == kWmClose) {
    // The default close destroys the window: the saver's destroy handling, then the end.
    Dispatch(kWmDestroy, 0, 0);
    destroyed_ = true;
    Release();
  }
  return 0;
}

}  // namespace verdant
