#pragma once
// A run of the native saver: its windows (one full-screen window per display, one sized
// window, or a window another program gives it), and what they share as the windows of one
// thread do on Windows: one message queue, one timer tick and one pointer for all.
#include <SDL.h>

#include <deque>
#include <memory>
#include <optional>
#include <vector>

#include "saver/animation/profile_store.h"
#include "saver/core/input_queue.h"
#include "saver/framework/native_options.h"
#include "saver/sdl/sdl_saver_window.h"
#include "saver/sdl/x11_pointer.h"
#include "saver/sdl/x11_window_watch.h"

namespace verdant {

class SaverSession final : public InputQueue {
 public:
  // Input ends the saver unless it draws into another program's window: that program (such as
  // XScreenSaver) owns the input there and ends the saver with a signal.
  // Every window's settings come from the profile, which must outlive the session.
  SaverSession(ProfileStore& profile, bool input_ends)
      : profile_(profile), input_ends_(input_ends) {}

  // Opens the windows the options ask for; false, with SDL's error set, when one cannot be made
  // (another program's window among them: gone before the saver could take it).
  bool Open(const NativeOptions& options);
  // Creates each window's animation, then handles messages until the quit message; returns its
  // exit code. Every window is closed by then. After max_ticks ticks, when given, or when
  // another program's window goes away, the windows are closed as if by input.
  int Run(std::optional<long> max_ticks);

  // For the windows: the queue, the quit message, the shared timer and the pointer.
  void Post(SdlSaverWindow* window, unsigned message, MessageWParam w_param, MessageLParam l_param);
  void PostQuit(int exit_code);
  void StartTimer(unsigned period_ms);
  X11Pointer& Pointer() { return pointer_; }

  // InputQueue: looks into SDL's queue without taking anything from it.
  bool PeekMessageA(unsigned first, unsigned last) override;

 private:
  struct Message {
    SdlSaverWindow* window;  // null for the quit message
    unsigned message;
    MessageWParam w_param;
    MessageLParam l_param;
  };
  bool Add(SDL_Window* window);
  SdlSaverWindow* Find(Uint32 window_id);
  void Translate(const SDL_Event& event);
  void TranslateWindowEvent(SdlSaverWindow& window, const SDL_WindowEvent& event);
  void TranslateInput(const SDL_Event& event);
  void Tick();
  void CloseAll();
  int WaitTimeout() const;

  ProfileStore& profile_;
  bool input_ends_;
  std::optional<X11WindowWatch> watch_;  // another program's window, when drawn in
  std::vector<std::unique_ptr<SdlSaverWindow>> windows_;
  std::deque<Message> posted_;
  std::optional<int> quit_code_;
  std::optional<unsigned> timer_period_ms_;
  Uint64 next_tick_ms_ = 0;
  X11Pointer pointer_;
};

}  // namespace verdant
