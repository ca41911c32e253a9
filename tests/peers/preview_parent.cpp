// Plays the platform's settings page for the saver's preview: a 152 x 112 window whose handle
// it hands to the saver as "/p <handle>". Once the stop file exists it destroys that window, as
// the page does when it closes, and checks that the saver ends with exit code 0 within a second.
//   preview_parent <saver path without spaces> <stop file>
// Prints "preview <class> <width>x<height> visible <0|1>" for the first child window that
// appears in it (Wine draws no child window of another process, so its class and size are what
// can be seen of it), then the outcome; exit code 0 when the saver ended as it should.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "win32handles/scoped_handle.h"

namespace {

constexpr int kWidth = 152;
constexpr int kHeight = 112;
constexpr UINT_PTR kStopTimer = 1;
constexpr DWORD kEndWithin = 1000;  // ms

const char* StopFile = nullptr;

void ReportPreview(HWND parent) {
  static bool reported = false;
  HWND child = GetWindow(parent, GW_CHILD);
  if (reported || child == nullptr) return;
  reported = true;
  char class_name[64] = "";
  GetClassNameA(child, class_name, sizeof class_name);
  RECT client{};
  GetClientRect(child, &client);
  std::printf("preview %s %ldx%ld visible %d\n", class_name, client.right, client.bottom,
              IsWindowVisible(child) ? 1 : 0);
  std::fflush(stdout);
}

LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM w_param, LPARAM l_param) {
  if (message == WM_TIMER) ReportPreview(window);
  if (message == WM_TIMER && GetFileAttributesA(StopFile) != INVALID_FILE_ATTRIBUTES) {
    KillTimer(window, kStopTimer);
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, w_param, l_param);
}

HWND CreateParent(HINSTANCE instance) {
  WNDCLASSA parent_class{};
  parent_class.lpfnWndProc = ParentProc;
  parent_class.hInstance = instance;
  parent_class.lpszClassName = "PreviewParent";
  if (!RegisterClassA(&parent_class)) return nullptr;
  return CreateWindowExA(0, "PreviewParent", "Preview parent", WS_POPUP | WS_VISIBLE, 200, 150,
                         kWidth, kHeight, nullptr, nullptr, instance, nullptr);
}

win32handles::ScopedKernelHandle StartSaver(const char* saver, HWND parent) {
  // The settings page passes the handle in decimal after "/p".
  std::string command =
      std::string(saver) + " /p " + std::to_string(win32handles::ToValue<std::uintptr_t>(parent));
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return {};
  }
  CloseHandle(process.hThread);
  return win32handles::ScopedKernelHandle(process.hProcess);
}

int Fail(const char* what) {
  std::printf("FAIL: %s\n", what);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::printf("usage: preview_parent <saver> <stop file>\n");
    return 1;
  }
  StopFile = argv[2];
  HWND parent = CreateParent(GetModuleHandleA(nullptr));
  if (parent == nullptr) return Fail("cannot create the parent window");
  win32handles::ScopedKernelHandle saver = StartSaver(argv[1], parent);
  if (!saver.IsValid()) return Fail("cannot start the saver");
  SetTimer(parent, kStopTimer, 50, nullptr);
  MSG message{};
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  if (WaitForSingleObject(saver.Get(), 0) != WAIT_TIMEOUT) {
    return Fail("the saver ended before its parent");
  }
  DWORD destroyed = GetTickCount();
  DestroyWindow(parent);
  if (WaitForSingleObject(saver.Get(), kEndWithin) != WAIT_OBJECT_0) {
    return Fail("the saver still runs a second after its parent went");
  }
  DWORD exit_code = 1;
  GetExitCodeProcess(saver.Get(), &exit_code);
  std::printf("the saver ended %lu ms after its parent, exit code %lu\n",
              GetTickCount() - destroyed, exit_code);
  return exit_code == 0 ? 0 : 1;
}
