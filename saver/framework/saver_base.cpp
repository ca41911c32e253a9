#include "saver/framework/saver_base.h"

#include <cstdlib>

namespace verdant {
namespace {

// More than this many pixels of summed distance from the anchor ends the saver.
constexpr int kMoveThreshold = 3;

void CloseSaver(SaverBaseWindow& window) {
  window.PostMessageA(kWmClose, 0, 0);
}

void MouseTest(SaverBaseWindow& window, MouseAnchorState& anchor) {
  CursorPoint p = window.GetCursorPos();
  if (!anchor.MouseAnchorSet) {
    anchor.MouseAnchor = p;
    anchor.MouseAnchorSet = true;
    return;
  }
  int distance = std::abs(p.x - anchor.MouseAnchor.x) + std::abs(p.y - anchor.MouseAnchor.y);
  if (distance > kMoveThreshold) CloseSaver(window);
}

// Moves the pointer one pixel up and one sideways, so that the button press visibly happened
// somewhere; to the left when the bottom-right corner blocks the step.
void NudgePointer(SaverBaseWindow& window) {
  CursorPoint p = window.GetCursorPos();
  ++p.x;
  ++p.y;
  window.SetCursorPos(p.x, p.y);
  CursorPoint q = window.GetCursorPos();
  if (q.x != p.x && q.y != p.y) p.x -= 2;
  p.y -= 2;
  window.SetCursorPos(p.x, p.y);
}

}  // namespace

MouseAnchorState& SaverMouseAnchor() {
  static MouseAnchorState anchor;
  return anchor;
}

MessageResult SaverBaseProc(SaverBaseWindow& window, MouseAnchorState& anchor, unsigned message,
                            MessageWParam w_param, MessageLParam l_param) {
  switch (message) {
    case kWmDestroy:
      window.PostQuitMessage(0);
      break;
    case kWmSetCursor:
      window.SetCursor();
      break;
    case kWmNcActivate:
      if (w_param == 0) return 0;
      break;
    case kWmActivate:
    case kWmActivateApp:
      if (w_param == 0) MouseTest(window, anchor);
      break;
    case kWmMouseMove:
      MouseTest(window, anchor);
      break;
    case kWmKeyDown:
    case kWmSysKeyDown:
      CloseSaver(window);
      break;
    case kWmLButtonDown:
    case kWmRButtonDown:
    case kWmMButtonDown:
      NudgePointer(window);
      CloseSaver(window);
      break;
    case kWmSysCommand: {
      unsigned command = static_cast<unsigned>(w_param) & kScCommandMask;
      if (command == kScScreenSave || command == kScClose) return 0;
      break;
    }
  }
  return window.DefWindowProcA(message, w_param, l_param);
}

MessageResult PreviewBaseProc(SaverBaseWindow& window, unsigned message, MessageWParam w_param,
                              MessageLParam l_param) {
  if (message == kWmDestroy) window.PostQuitMessage(0);
  return window.DefWindowProcA(message, w_param, l_param);
}

}  // namespace verdant
