#pragma once
// What the animation cycle needs of its window and of the platform. The Windows layer forwards
// each method to the named call on the saver (or dialog) window; tests use a fake.
#include <cstdint>
#include <string>

#include "saver/core/drawing_surface.h"

namespace verdant {

struct SaverWindowHost {
  virtual ~SaverWindowHost() = default;
  // GetDC of the window: a context for one tick or check; null on failure.
  virtual DrawingSurface* GetDC() = 0;
  virtual void ReleaseDC(DrawingSurface* context) = 0;
  // DeleteObject of a palette, pen or brush: an object outlives the contexts it was used in, so
  // deleting it needs none.
  virtual void DeleteObject(GdiHandle object) = 0;
  // The size of the saver's screen: the client area of its window, which covers every monitor
  // (or, in a preview, its parent).
  virtual int ScreenWidth() = 0;
  virtual int ScreenHeight() = 0;
  // SetTimer(window, id, period, NULL) / KillTimer(window, id); results are not used.
  virtual void SetTimer(unsigned id, unsigned period_ms) = 0;
  virtual void KillTimer(unsigned id) = 0;
  // MessageBoxA(NULL, text, caption, MB_ICONEXCLAMATION | MB_OK).
  virtual void MessageBoxA(const std::string& text, const std::string& caption) = 0;
  // SendMessageA(window, WM_DESTROY, 0, 0).
  virtual void SendDestroy() = 0;
  // time(NULL): seconds since 1970.
  virtual std::int64_t Time() = 0;
};

}  // namespace verdant
