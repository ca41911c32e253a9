// Plays the platform's settings page for the saver's preview: a 152 x 112 window whose handle
// it hands to the saver as "/p <handle>". Once the stop file exists it destroys that window, as
// the page does when it closes, and checks that the saver ends with exit code 0 within a second.
//   preview_parent <saver path without spaces> <stop file> [desktop]
// With "desktop" the parent is the desktop window, run in a Wine virtual desktop of the
// preview's size: Wine 8 puts no child of another process's window on the screen, save a child
// of the desktop, which gets an X window of its own; there the preview can be photographed. The
// desktop outlives the saver, so at the stop the peer ends the saver itself.
// Prints "preview <class> <width>x<height> visible <0|1>" for the first child window of the
// saver in the parent, then the outcome; exit code 0 when the saver ended as it should.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "base/win32/scoped_handle.h"

namespace {

constexpr int kWidth = 152;
constexpr int kHeight = 112;
constexpr UINT kPollEvery = 50;      // ms
constexpr DWORD kEndWithin = 1000;   // ms
constexpr UINT kShownWithin = 1000;  // ms

const char* StopFile = nullptr;
HWND Parent = nullptr;
DWORD SaverProcessId = 0;

// A desktop also holds other programs' windows and the saver's input-method window, which is
// no child window.
HWND FindPreview() {
  for (HWND child = GetWindow(Parent, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    DWORD process = 0;
    GetWindowThreadProcessId(child, &process);
    if (process == SaverProcessId && (GetWindowLongA(child, GWL_STYLE) & WS_CHILD) != 0) {
      return child;
    }
  }
  return nullptr;
}

void ReportPreview() {
  static bool reported = false;
  static unsigned polls_unseen = 0;
  HWND child = reported ? nullptr : FindPreview();
  if (child == nullptr) return;
  // The child is in its parent's list a moment before its creation shows it: a window that is
  // still hidden a second later is reported as it is.
  if (!IsWindowVisible(child) && ++polls_unseen < kShownWithin / kPollEvery) return;
  reported = true;
  char class_name[64] = "";
  GetClassNameA(child, class_name, sizeof class_name);
  RECT client{};
  GetClientRect(child, &client);
  std::printf("preview %s %ldx%ld visible %d\n", class_name, client.right, client.bottom,
              IsWindowVisible(child) ? 1 : 0);
  std::fflush(stdout);
}

void CALLBACK Poll(HWND, UINT, UINT_PTR timer, DWORD) {
  ReportPreview();
  if (GetFileAttributesA(StopFile) != INVALID_FILE_ATTRIBUTES) {
    KillTimer(nullptr, timer);
    PostQuitMessage(0);
  }
}

HWND CreateParent(HINSTANCE instance) {
  WNDCLASSA parent_class{};
  parent_class.lpfnWndProc = DefWindowProcA;
  parent_class.hInstance = instance;
  parent_class.lpszClassName = "PreviewParent";
  if (!RegisterClassA(&parent_class)) return nullptr;
  return CreateWindowExA(0, "PreviewParent", "Preview parent", WS_POPUP | WS_VISIBLE, 200, 150,
                         kWidth, kHeight, nullptr, nullptr, instance, nullptr);
}

base::ScopedKernelHandle StartSaver(const char* saver) {
  // The settings page passes the handle in decimal after "/p".
  std::string command =
      std::string(saver) + " /p " + std::to_string(base::ToValue<std::uintptr_t>(Parent));
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return {};
  }
  CloseHandle(process.hThread);
  SaverProcessId = process.dwProcessId;
  return base::ScopedKernelHandle(process.hProcess);
}

int Fail(const char* what) {
  std::printf("FAIL: %s\n", what);
  return 1;
}

int EndWithParent(HANDLE saver) {
  DWORD destroyed = GetTickCount();
  DestroyWindow(Parent);
  if (WaitForSingleObject(saver, kEndWithin) != WAIT_OBJECT_0) {
    return Fail("the saver still runs a second after its parent went");
  }
  DWORD exit_code = 1;
  GetExitCodeProcess(saver, &exit_code);
  std::printf("the saver ended %lu ms after its parent, exit code %lu\n",
              GetTickCount() - destroyed, exit_code);
  return exit_code == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const bool desktop = argc == 4 && std::string_view(argv[3]) == "desktop";
  if (argc != 3 && !desktop) {
    std::printf("usage: preview_parent <saver> <stop file> [desktop]\n");
    return 1;
  }
  StopFile = argv[2];
  Parent = desktop ? GetDesktopWindow() : CreateParent(GetModuleHandleA(nullptr));
  if (Parent == nullptr) return Fail("cannot create the parent window");
  base::ScopedKernelHandle saver = StartSaver(argv[1]);
  if (!saver.IsValid()) return Fail("cannot start the saver");
  SetTimer(nullptr, 0, kPollEvery, Poll);
  MSG message{};
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  if (WaitForSingleObject(saver.Get(), 0) != WAIT_TIMEOUT) {
    return Fail("the saver ended before its parent");
  }
  if (!desktop) return EndWithParent(saver.Get());
  TerminateProcess(saver.Get(), 0);
  WaitForSingleObject(saver.Get(), INFINITE);
  std::printf("the saver was ended\n");
  return 0;
}
