#pragma once
// The pointer where the X server has it at this moment, in the coordinates that span every
// display: what GetCursorPos and SetCursorPos stand for. SDL's own global position is only
// brought up to date by events that may come after the pointer event being handled.
#include "saver/framework/saver_base.h"

struct _XDisplay;

namespace verdant {

class X11Pointer {
 public:
  // A connection of its own to DISPLAY when SDL runs on X (SDL must be started); elsewhere
  // SDL's answers stand in.
  X11Pointer();
  ~X11Pointer();
  X11Pointer(const X11Pointer&) = delete;
  X11Pointer& operator=(const X11Pointer&) = delete;

  CursorPoint Get();
  // The server keeps the pointer on the displays.
  void Set(CursorPoint p);

 private:
  _XDisplay* display_;
};

}  // namespace verdant
