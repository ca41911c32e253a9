#include "saver/framework/win32/saver_window.h"

#include "saver/animation/win32/win32_profile_store.h"
#include "saver/framework/saver_window_proc.h"
#include "saver/framework/win32/win32_saver_base.h"
#include "saver/framework/win32/win32_window_host.h"

namespace verdant {
namespace {

constexpr char kSaverClassName[] = "WindowsScreenSaverClass";
constexpr WORD kSaverIcon = 100;  // looked up; the program ships no icon

// The process makes one saver window; its cycle lives beside the class procedure.
Win32ProfileStore Profile;
SaverCycle Cycle(Profile);

LRESULT CALLBACK SaverWindowProc(HWND window, UINT message, WPARAM w_param, LPARAM l_param) {
  Win32WindowHost host(window);
  Win32SaverBaseWindow base(window);
  return SaverWindowProc(Cycle, host, base, message, w_param, l_param);
}

}  // namespace

int CreateSaverWindow(HINSTANCE instance) {
  WNDCLASSA saver_class{};
  saver_class.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_SAVEBITS;
  saver_class.lpfnWndProc = SaverWindowProc;
  saver_class.hInstance = instance;
  saver_class.hIcon = ::LoadIconA(instance, MAKEINTRESOURCEA(kSaverIcon));
  saver_class.hbrBackground = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
  saver_class.lpszClassName = kSaverClassName;
  if (!::RegisterClassA(&saver_class)) return 0;
  HWND window = ::CreateWindowExA(WS_EX_TOPMOST, kSaverClassName, "", WS_POPUP | WS_VISIBLE, 0, 0,
                                  ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN),
                                  nullptr, nullptr, instance, nullptr);
  return window != nullptr ? 1 : 0;
}

}  // namespace verdant
