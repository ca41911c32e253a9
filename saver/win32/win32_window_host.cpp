#include "saver/win32/win32_window_host.h"

#include <ctime>

namespace verdant {

DrawingSurface* Win32WindowHost::GetDC() {
  dc_ = ::GetDC(window_);
  if (dc_ == nullptr) return nullptr;
  return &surface_.emplace(dc_);
}

void Win32WindowHost::ReleaseDC(DrawingSurface* context) {
  if (context == nullptr || dc_ == nullptr) return;
  surface_.reset();
  ::ReleaseDC(window_, dc_);
  dc_ = nullptr;
}

void Win32WindowHost::DeleteObject(GdiHandle object) {
  ::DeleteObject(reinterpret_cast<HGDIOBJ>(object));
}

// The saver window is made as large as what it covers, all monitors or the preview's parent,
// so its client area is the saver's screen.
int Win32WindowHost::ScreenWidth() {
  RECT client{};
  ::GetClientRect(window_, &client);
  return client.right;
}
int Win32WindowHost::ScreenHeight() {
  RECT client{};
  ::GetClientRect(window_, &client);
  return client.bottom;
}

void Win32WindowHost::SetTimer(unsigned id, unsigned period_ms) {
  ::SetTimer(window_, id, period_ms, nullptr);
}

void Win32WindowHost::KillTimer(unsigned id) {
  ::KillTimer(window_, id);
}

void Win32WindowHost::MessageBoxA(const std::string& text, const std::string& caption) {
  ::MessageBoxA(nullptr, text.c_str(), caption.c_str(), MB_ICONEXCLAMATION | MB_OK);
}

void Win32WindowHost::SendDestroy() {
  ::SendMessageA(window_, WM_DESTROY, 0, 0);
}

std::int64_t Win32WindowHost::Time() {
  return std::time(nullptr);
}

}  // namespace verdant
