#pragma once
// What the dialog's display check needs of the platform, on GTK: the screen's colour depth and
// a message box. The dialog starts no timer and draws nothing through the saver's surface.
#include <gtk/gtk.h>

#include "saver/animation/saver_window_host.h"

namespace verdant {

// A context that only reports the screen's depth (GetDeviceCaps(BITSPIXEL)); its drawing
// calls do nothing, since the display check draws nothing.
class ScreenDepthContext final : public DrawingSurface {
 public:
  int BitsPerPixel() override;
  GdiHandle CreatePalette(std::span<const PaletteEntry>) override { return 0; }
  void SetPaletteEntries(GdiHandle, int, std::span<const PaletteEntry>) override {}
  GdiHandle SelectPalette(GdiHandle) override { return 0; }
  void RealizePalette() override {}
  GdiHandle CreatePen(int, ColorRef) override { return 0; }
  GdiHandle CreateSolidBrush(ColorRef) override { return 0; }
  GdiHandle SelectObject(GdiHandle) override { return 0; }
  void DeleteObject(GdiHandle) override {}
  void MoveToEx(int, int) override {}
  void LineTo(int, int) override {}
  void SetPixel(int, int, ColorRef) override {}
  void Rectangle(int, int, int, int) override {}
};

class GtkDialogHost final : public SaverWindowHost {
 public:
  DrawingSurface* GetDC() override { return &context_; }
  void ReleaseDC(DrawingSurface*) override {}
  void DeleteObject(GdiHandle) override {}
  int ScreenWidth() override;
  int ScreenHeight() override;
  void SetTimer(unsigned, unsigned) override {}
  void KillTimer(unsigned) override {}
  // A modal warning box with an OK button.
  void MessageBoxA(const std::string& text, const std::string& caption) override;
  // The dialog's caller ends it when the check fails; there is nothing to destroy before.
  void SendDestroy() override {}
  std::int64_t Time() override;

 private:
  ScreenDepthContext context_;
};

}  // namespace verdant
