#pragma once
// The saver window's default procedure: it ends the saver on the user's first real input,
// hides the pointer, refuses a second start and the close command, and ends the message loop
// when the window goes.
#include "saver/core/window_messages.h"

namespace verdant {

struct CursorPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const CursorPoint&, const CursorPoint&) = default;
};

// The calls the default procedure makes on the saver window and the pointer.
struct SaverBaseWindow {
  virtual ~SaverBaseWindow() = default;
  // PostMessageA to the saver window; the result is not used.
  virtual void PostMessageA(unsigned message, MessageWParam w_param, MessageLParam l_param) = 0;
  virtual void PostQuitMessage(int exit_code) = 0;
  // SetCursor(NULL): no pointer over the window.
  virtual void SetCursor() = 0;
  // GetCursorPos and SetCursorPos; their results are not tested.
  virtual CursorPoint GetCursorPos() = 0;
  virtual void SetCursorPos(int x, int y) = 0;
  virtual MessageResult DefWindowProcA(unsigned message, MessageWParam w_param,
                                       MessageLParam l_param) = 0;
};

// The first position the saver saw the pointer at; recorded once and never moved.
struct MouseAnchorState {
  CursorPoint MouseAnchor;
  bool MouseAnchorSet = false;
};

// The process's anchor, used by the saver window.
MouseAnchorState& SaverMouseAnchor();

MessageResult SaverBaseProc(SaverBaseWindow& window, MouseAnchorState& anchor, unsigned message,
                            MessageWParam w_param, MessageLParam l_param);

// The default procedure of the preview inside another window (the platform's settings page):
// input belongs to that page and the pointer stays, so it only ends the message loop when the
// window goes, which happens with its parent.
MessageResult PreviewBaseProc(SaverBaseWindow& window, unsigned message, MessageWParam w_param,
                              MessageLParam l_param);

}  // namespace verdant
