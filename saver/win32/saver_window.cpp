#include "saver/win32/saver_window.h"

#include "saver/animation/win32/win32_profile_store.h"
#include "saver/framework/saver_window_proc.h"
#include "saver/framework/screen_area.h"
#include "saver/win32/win32_saver_base.h"
#include "saver/win32/win32_window_host.h"

namespace verdant {
namespace {

static_assert(kSmCxScreen == SM_CXSCREEN && kSmCyScreen == SM_CYSCREEN);
static_assert(kSmXVirtualScreen == SM_XVIRTUALSCREEN && kSmYVirtualScreen == SM_YVIRTUALSCREEN);
static_assert(kSmCxVirtualScreen == SM_CXVIRTUALSCREEN);
static_assert(kSmCyVirtualScreen == SM_CYVIRTUALSCREEN && kSmCMonitors == SM_CMONITORS);

constexpr char kSaverClassName[] = "WindowsScreenSaverClass";
constexpr WORD kSaverIcon = 100;  // looked up; the program ships no icon

// The process makes one saver window; its cycle lives beside the class procedure.
Win32ProfileStore Profile;
SaverCycle Cycle(Profile);

class Win32ScreenMetrics final : public ScreenMetrics {
 public:
  int GetSystemMetrics(int index) override { return ::GetSystemMetrics(index); }
};

// A saver window that is a child is the preview in the settings page.
bool IsPreview(HWND window) {
  return (::GetWindowLongA(window, GWL_STYLE) & WS_CHILD) != 0;
}

LRESULT CALLBACK SaverWindowProc(HWND window, UINT message, WPARAM w_param, LPARAM l_param) {
  Win32WindowHost host(window);
  Win32SaverBaseWindow base(window);
  if (IsPreview(window)) return SaverPreviewProc(Cycle, host, base, message, w_param, l_param);
  return SaverWindowProc(Cycle, host, base, message, w_param, l_param);
}

bool RegisterSaverClass(HINSTANCE instance) {
  WNDCLASSA saver_class{};
  saver_class.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_SAVEBITS;
  saver_class.lpfnWndProc = SaverWindowProc;
  saver_class.hInstance = instance;
  saver_class.hIcon = ::LoadIconA(instance, MAKEINTRESOURCEA(kSaverIcon));
  saver_class.hbrBackground = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
  saver_class.lpszClassName = kSaverClassName;
  return ::RegisterClassA(&saver_class) != 0;
}

}  // namespace

int CreateSaverWindow(HINSTANCE instance) {
  if (!RegisterSaverClass(instance)) return 0;
  Win32ScreenMetrics metrics;
  ScreenArea area = SaverScreenArea(metrics);
  HWND window =
      ::CreateWindowExA(WS_EX_TOPMOST, kSaverClassName, "", WS_POPUP | WS_VISIBLE, area.x, area.y,
                        area.width, area.height, nullptr, nullptr, instance, nullptr);
  return window != nullptr ? 1 : 0;
}

int CreatePreviewWindow(HINSTANCE instance, HWND parent) {
  if (!RegisterSaverClass(instance)) return 0;
  RECT client{};
  ::GetClientRect(parent, &client);
  HWND window = ::CreateWindowExA(0, kSaverClassName, "", WS_CHILD | WS_VISIBLE, 0, 0, client.right,
                                  client.bottom, parent, nullptr, instance, nullptr);
  return window != nullptr ? 1 : 0;
}

}  // namespace verdant
