#include "saver/win32/saver_main.h"

#include "saver/framework/command_line.h"
#include "saver/win32/config_dialog.h"
#include "saver/win32/saver_window.h"
#include "saver/win32/win32_saver_base.h"

namespace verdant {
namespace {

constexpr UINT kAppNameString = 1007;

// Held for the life of the process.
char SaverAppName[40];
UINT HelpMessage = 0;
HHOOK HelpHook = nullptr;

LRESULT CALLBACK HelpKeyFilter(int code, WPARAM w_param, LPARAM l_param) {
  HookedMessage hooked;
  if (code == MSGF_DIALOGBOX) {
    const MSG* message = reinterpret_cast<const MSG*>(l_param);
    hooked = {reinterpret_cast<WindowHandle>(message->hwnd), message->message, message->wParam};
  }
  Win32HelpHookPlatform platform(HelpHook);
  return HelpKeyFilter(platform, HelpMessage, code, w_param, l_param, hooked);
}

// Until the quit message; its wParam is the exit code.
int RunMessageLoop() {
  MSG message{};
  // GetMessageA fails (-1) only on bad arguments; it must not loop for ever then.
  while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

int RunSaver(HINSTANCE instance) {
  if (!CreateSaverWindow(instance)) return 0;
  int exit_code = RunMessageLoop();
  if (HelpMessage != 0) ::UnhookWindowsHook(WH_MSGFILTER, HelpKeyFilter);
  return exit_code;
}

// The settings page destroys the parent, and with it the preview, when it closes or shows
// another saver. A handle that names no window leaves nothing to draw in.
int RunPreview(HINSTANCE instance, WindowHandle parent) {
  HWND parent_window = reinterpret_cast<HWND>(parent);
  if (!::IsWindow(parent_window) || !CreatePreviewWindow(instance, parent_window)) return 0;
  return RunMessageLoop();
}

}  // namespace

int SaverMain(int, char**, char**) {
  const char* command_line = ::GetCommandLineA();
  HINSTANCE instance = ::GetModuleHandleA(nullptr);
  ::LoadStringA(instance, kAppNameString, SaverAppName, sizeof SaverAppName);
  std::string_view argument = SaverArgument(command_line);
  // The preview shows no dialog, so it needs no help key.
  if (std::optional<WindowHandle> parent = PreviewParent(argument)) {
    return RunPreview(instance, *parent);
  }
  HelpMessage = ::RegisterWindowMessageA(SaverAppName);
  if (HelpMessage != 0) HelpHook = ::SetWindowsHookA(WH_MSGFILTER, HelpKeyFilter);
  switch (ChooseSaverMode(argument)) {
    case SaverMode::kSaver:
      return RunSaver(instance);
    case SaverMode::kConfigWithOwner:
      return ShowConfigDialog(instance, true);
    case SaverMode::kConfigWithoutOwner:
      break;
  }
  return ShowConfigDialog(instance, false);
}

}  // namespace verdant
