#include "saver/sdl/saver_session.h"

#include <algorithm>

#include "saver/core/window_messages.h"

namespace verdant {
namespace {

constexpr char kTitle[] = "Verdant Drift";
constexpr int kWatchPeriodMs = 250;

// The message numbers the input check asks about, and SDL's events that stand for them.
struct EventRange {
  unsigned first_message;
  unsigned last_message;
  Uint32 first_event;
  Uint32 last_event;
};
constexpr EventRange kInputRanges[] = {
    {kWmMouseMove, kWmMButtonDblClk, SDL_MOUSEMOTION, SDL_MOUSEBUTTONUP},
    {kWmKeyDown, kWmKeyLast, SDL_KEYDOWN, SDL_TEXTINPUT},
};

// The side buttons have messages of their own on Windows, past the mouse messages the saver
// acts on and the range its input check looks at; the wheel's events are never taken.
bool IsSideButton(Uint8 button) {
  return button == SDL_BUTTON_X1 || button == SDL_BUTTON_X2;
}

bool StandsForMessage(const SDL_Event& event) {
  if (event.type == SDL_MOUSEBUTTONDOWN || event.type == SDL_MOUSEBUTTONUP) {
    return !IsSideButton(event.button.button);
  }
  return true;
}

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

bool SaverSession::Open(const NativeOptions& options) {
  if (options.foreign) {
    std::uint64_t id = options.foreign->id ? options.foreign->id : X11RootWindow();
    if (!id) {
      SDL_SetError("no X display to take the root window of");
      return false;
    }
    watch_.emplace(id);
    if (watch_->Gone()) {
      SDL_SetError("no X window 0x%llx", static_cast<unsigned long long>(id));
      return false;
    }
    return Add(
        SDL_CreateWindowFrom(reinterpret_cast<const void*>(static_cast<std::uintptr_t>(id))));
  }
  if (options.window) {
    return Add(SDL_CreateWindow(kTitle, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                options.window->width, options.window->height, SDL_WINDOW_SHOWN));
  }
  // As on Windows, topmost and covering the screen, and here every display of it.
  const int displays = SDL_GetNumVideoDisplays();
  if (displays < 1) return false;
  for (int i = 0; i < displays; ++i) {
    SDL_Rect d;
    if (SDL_GetDisplayBounds(i, &d) != 0) return false;
    if (!Add(SDL_CreateWindow(
            kTitle, d.x, d.y, d.w, d.h,
            SDL_WINDOW_SHOWN | SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_ALWAYS_ON_TOP))) {
      return false;
    }
  }
  return true;
}

bool SaverSession::Add(SDL_Window* window) {
  windows_.push_back(std::make_unique<SdlSaverWindow>(*this, window, profile_));
  return windows_.back()->Created();
}

SdlSaverWindow* SaverSession::Find(Uint32 window_id) {
  for (auto& window : windows_) {
    if (window->Id() == window_id && !window->Destroyed()) return window.get();
  }
  return nullptr;
}

int SaverSession::Run(std::optional<long> max_ticks) {
  for (auto& window : windows_) window->Dispatch(kWmCreate, 0, 0);
  long ticks = 0;
  while (true) {
    if (!posted_.empty()) {
      Message posted = posted_.front();
      posted_.pop_front();
      if (!posted.window) break;
      posted.window->Dispatch(posted.message, posted.w_param, posted.l_param);
      continue;
    }
    SDL_Event event;
    if (SDL_WaitEventTimeout(&event, WaitTimeout())) {
      Translate(event);
    } else if (timer_period_ms_ && SDL_GetTicks64() >= next_tick_ms_) {
      // Ticks never pile up: a long one only delays the next.
      next_tick_ms_ = SDL_GetTicks64() + *timer_period_ms_;
      Tick();
      if (max_ticks && ++ticks >= *max_ticks) CloseAll();
    }
    // Another program's window that went away ends the saver as input would elsewhere.
    if (watch_ && watch_->Gone()) CloseAll();
  }
  // The first window to go ends the saver; the others go with it.
  for (auto& window : windows_) window->Dispatch(kWmClose, 0, 0);
  return *quit_code_;
}

// Until the next tick, or for ever without a timer (but for a look at another program's
// window): the saver sleeps until there is work.
int SaverSession::WaitTimeout() const {
  const int longest = watch_ ? kWatchPeriodMs : -1;
  if (!timer_period_ms_) return longest;
  Uint64 now = SDL_GetTicks64();
  const int until_tick = now >= next_tick_ms_ ? 0 : static_cast<int>(next_tick_ms_ - now);
  return longest < 0 ? until_tick : std::min(until_tick, longest);
}

// One tick for all windows, drawn in turn from the one random source.
void SaverSession::Tick() {
  for (auto& window : windows_) {
    if (window->HoldsTimer()) window->Dispatch(kWmTimer, 1, 0);
  }
}

void SaverSession::CloseAll() {
  for (auto& window : windows_) {
    if (!window->Destroyed()) Post(window.get(), kWmClose, 0, 0);
  }
}

void SaverSession::Translate(const SDL_Event& event) {
  if (event.type == SDL_QUIT) {
    // SDL's answer to SIGINT and SIGTERM, since closing a window does not quit here.
    CloseAll();
  } else if (event.type == SDL_WINDOWEVENT) {
    if (SdlSaverWindow* window = Find(event.window.windowID)) {
      TranslateWindowEvent(*window, event.window);
    }
  } else if (input_ends_) {
    TranslateInput(event);
  }
}

void SaverSession::TranslateWindowEvent(SdlSaverWindow& window, const SDL_WindowEvent& event) {
  switch (event.event) {
    case SDL_WINDOWEVENT_CLOSE:
      // A window manager's close request is the system close command, which the saver refuses.
      window.Dispatch(kWmSysCommand, kScClose, 0);
      break;
    case SDL_WINDOWEVENT_EXPOSED:
      window.Redraw();
      break;
    case SDL_WINDOWEVENT_ENTER:
      if (input_ends_) window.Dispatch(kWmSetCursor, 0, 0);
      break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
      if (input_ends_) window.Dispatch(kWmActivateApp, 0, 0);
      break;
  }
}

void SaverSession::TranslateInput(const SDL_Event& event) {
  Uint32 window_id = 0;
  unsigned message = 0;
  MessageWParam w_param = 0;
  switch (event.type) {
    case SDL_KEYDOWN:
      window_id = event.key.windowID;
      message = kWmKeyDown;
      w_param = static_cast<MessageWParam>(event.key.keysym.sym);
      break;
    case SDL_MOUSEMOTION:
      window_id = event.motion.windowID;
      message = kWmMouseMove;
      break;
    case SDL_MOUSEBUTTONDOWN:
      if (IsSideButton(event.button.button)) return;
      window_id = event.button.windowID;
      message = ButtonMessage(event.button.button);
      break;
    default:
      return;
  }
  SdlSaverWindow* window = Find(window_id);
  if (!window) return;
  // As on Windows, every pointer event asks the window for its pointer first.
  if (event.type != SDL_KEYDOWN) window->Dispatch(kWmSetCursor, 0, 0);
  window->Dispatch(message, w_param, 0);
}

void SaverSession::Post(SdlSaverWindow* window, unsigned message, MessageWParam w_param,
                        MessageLParam l_param) {
  posted_.push_back({window, message, w_param, l_param});
}

void SaverSession::PostQuit(int exit_code) {
  if (!quit_code_) quit_code_ = exit_code;
  posted_.push_back({nullptr, 0, 0, 0});
}

void SaverSession::StartTimer(unsigned period_ms) {
  if (timer_period_ms_) return;
  timer_period_ms_ = period_ms;
  next_tick_ms_ = SDL_GetTicks64() + period_ms;
}

bool SaverSession::PeekMessageA(unsigned first, unsigned last) {
  if (!input_ends_) return false;
  SDL_PumpEvents();
  for (const EventRange& range : kInputRanges) {
    if (first > range.last_message || last < range.first_message) continue;
    SDL_Event events[64];
    int count = SDL_PeepEvents(events, 64, SDL_PEEKEVENT, range.first_event, range.last_event);
    if (std::any_of(events, events + std::max(count, 0), StandsForMessage)) return true;
  }
  return false;
}

}  // namespace verdant
