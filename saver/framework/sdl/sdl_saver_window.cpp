#include "saver/framework/sdl/sdl_saver_window.h"

#include <algorithm>
#include <ctime>

#include "saver/framework/saver_window_proc.h"

namespace verdant {
namespace {

constexpr unsigned kWmQuit = 0x0012;

// The message numbers the input check asks about, and SDL's events that stand for them.
struct EventRange {
  unsigned first_message;
  unsigned last_message;
  Uint32 first_event;
  Uint32 last_event;
};
constexpr EventRange kInputRanges[] = {
    {kFirstMouseMessage, kLastMouseMessage, SDL_MOUSEMOTION, SDL_MOUSEWHEEL},
    {kFirstKeyMessage, kLastKeyMessage, SDL_KEYDOWN, SDL_TEXTINPUT},
};

unsigned ButtonMessage(Uint8 button) {
  switch (button) {
    case SDL_BUTTON_RIGHT:
      return kWmRButtonDown;
    case SDL_BUTTON_MIDDLE:
      return kWmMButtonDown;
    default:
      return kWmLButtonDown;
  }
}

}  // namespace

SdlSaverWindow::SdlSaverWindow(std::optional<WindowSize> size, ProfileStore& profile)
    : cycle_(profile) {
  Uint32 flags = SDL_WINDOW_SHOWN;
  int x = SDL_WINDOWPOS_CENTERED;
  int y = SDL_WINDOWPOS_CENTERED;
  if (!size) {
    // As on Windows: a borderless topmost window the size of the screen, no mode change.
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(0, &mode) != 0) return;
    size = WindowSize{mode.w, mode.h};
    x = y = 0;
    flags |= SDL_WINDOW_BORDERLESS | SDL_WINDOW_ALWAYS_ON_TOP;
  }
  window_ = SDL_CreateWindow("Verdant Drift", x, y, size->width, size->height, flags);
  if (!window_) return;
  SDL_GetWindowSize(window_, &width_, &height_);
  SDL_GetGlobalMouseState(&cursor_.x, &cursor_.y);
  renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
  if (renderer_) {
    texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                                 width_, height_);
  }
  if (!renderer_ || !texture_) {
    Destroy();
    return;
  }
  surface_.emplace(width_, height_);
  Present();
}

SdlSaverWindow::~SdlSaverWindow() {
  Destroy();
}

void SdlSaverWindow::Destroy() {
  if (texture_) SDL_DestroyTexture(texture_);
  if (renderer_) SDL_DestroyRenderer(renderer_);
  if (window_) SDL_DestroyWindow(window_);
  texture_ = nullptr;
  renderer_ = nullptr;
  window_ = nullptr;
}

int SdlSaverWindow::Run(std::optional<long> max_ticks) {
  Dispatch(kWmCreate, 0, 0);
  long ticks = 0;
  while (!quit_code_) {
    if (!posted_.empty()) {
      Message posted = posted_.front();
      posted_.pop_front();
      Dispatch(posted.message, posted.w_param, posted.l_param);
      continue;
    }
    int wait_ms = 100;
    if (timer_period_ms_) {
      Uint64 now = SDL_GetTicks64();
      wait_ms = now >= next_tick_ms_ ? 0 : static_cast<int>(next_tick_ms_ - now);
    }
    SDL_Event event;
    if (SDL_WaitEventTimeout(&event, wait_ms)) {
      Translate(event);
    } else if (timer_period_ms_ && SDL_GetTicks64() >= next_tick_ms_) {
      // Ticks never pile up: a long one only delays the next.
      next_tick_ms_ = SDL_GetTicks64() + *timer_period_ms_;
      Dispatch(kWmTimer, 1, 0);
      if (max_ticks && ++ticks >= *max_ticks) PostMessageA(kWmClose, 0, 0);
    }
  }
  return *quit_code_;
}

void SdlSaverWindow::Translate(const SDL_Event& event) {
  switch (event.type) {
    case SDL_QUIT:
      PostMessageA(kWmClose, 0, 0);
      break;
    case SDL_KEYDOWN:
      Dispatch(kWmKeyDown, static_cast<MessageWParam>(event.key.keysym.sym), 0);
      break;
    case SDL_MOUSEMOTION:
      TrackPointer(event.motion.x, event.motion.y);
      Dispatch(kWmMouseMove, 0, 0);
      break;
    case SDL_MOUSEBUTTONDOWN:
      TrackPointer(event.button.x, event.button.y);
      Dispatch(ButtonMessage(event.button.button), 0, 0);
      break;
    case SDL_WINDOWEVENT:
      if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) Dispatch(kWmActivateApp, 0, 0);
      if (event.window.event == SDL_WINDOWEVENT_EXPOSED) Present();
      break;
  }
}

MessageResult SdlSaverWindow::Dispatch(unsigned message, MessageWParam w_param,
                                       MessageLParam l_param) {
  if (destroyed_) return 0;  // later closes find no window
  return SaverWindowProc(cycle_, *this, *this, message, w_param, l_param);
}

void SdlSaverWindow::ReleaseDC(DrawingSurface*) {
  Present();
}

void SdlSaverWindow::Present() {
  if (!texture_ || !surface_) return;
  SDL_UpdateTexture(texture_, nullptr, surface_->Data(),
                    surface_->Stride() * static_cast<int>(sizeof(std::uint32_t)));
  SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
  SDL_RenderPresent(renderer_);
}

void SdlSaverWindow::SetTimer(unsigned, unsigned period_ms) {
  timer_period_ms_ = period_ms;
  next_tick_ms_ = SDL_GetTicks64() + period_ms;
}

void SdlSaverWindow::KillTimer(unsigned) {
  timer_period_ms_.reset();
}

void SdlSaverWindow::MessageBoxA(const std::string& text, const std::string& caption) {
  SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_WARNING, caption.c_str(), text.c_str(), nullptr);
}

std::int64_t SdlSaverWindow::Time() {
  return static_cast<std::int64_t>(std::time(nullptr));
}

void SdlSaverWindow::PostMessageA(unsigned message, MessageWParam w_param, MessageLParam l_param) {
  posted_.push_back({message, w_param, l_param});
}

void SdlSaverWindow::PostQuitMessage(int exit_code) {
  posted_.push_back({kWmQuit, 0, 0});
  quit_code_ = exit_code;
}

// The pointer where the last mouse event handled put it: X delivers pointer positions with
// its events, and asking the server afresh would see moves not yet handled.
CursorPoint SdlSaverWindow::GetCursorPos() {
  return cursor_;
}

// The pointer stops at the screen's edge, as it does on Windows.
void SdlSaverWindow::SetCursorPos(int x, int y) {
  SDL_Rect screen{0, 0, 1, 1};
  SDL_GetDisplayBounds(0, &screen);
  cursor_ = {std::clamp(x, screen.x, screen.x + std::max(screen.w - 1, 0)),
             std::clamp(y, screen.y, screen.y + std::max(screen.h - 1, 0))};
  SDL_WarpMouseGlobal(cursor_.x, cursor_.y);
}

void SdlSaverWindow::TrackPointer(int window_x, int window_y) {
  int left = 0;
  int top = 0;
  if (window_) SDL_GetWindowPosition(window_, &left, &top);
  cursor_ = {window_x + left, window_y + top};
}

MessageResult SdlSaverWindow::DefWindowProcA(unsigned message, MessageWParam, MessageLParam) {
  if (message == kWmClose) {
    // The default close destroys the window: the saver's destroy handling, then the end.
    Dispatch(kWmDestroy, 0, 0);
    destroyed_ = true;
    Destroy();
  }
  return 0;
}

bool SdlSaverWindow::PeekMessageA(unsigned first, unsigned last) {
  SDL_PumpEvents();
  for (const EventRange& range : kInputRanges) {
    if (first > range.last_message || last < range.first_message) continue;
    if (SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, range.first_event, range.last_event) > 0) {
      return true;
    }
  }
  return false;
}

}  // namespace verdant
