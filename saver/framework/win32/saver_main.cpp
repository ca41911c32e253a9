#include "saver/framework/win32/saver_main.h"

#include "saver/framework/command_line.h"
#include "saver/framework/win32/config_dialog.h"
#include "saver/framework/win32/saver_window.h"
#include "saver/framework/win32/win32_saver_base.h"

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

int RunSaver(HINSTANCE instance) {
  if (!CreateSaverWindow(instance)) return 0;
  MSG message{};
  // GetMessageA fails (-1) only on bad arguments; it must not loop for ever then.
  while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
  }
  if (HelpMessage != 0) ::UnhookWindowsHook(WH_MSGFILTER, HelpKeyFilter);
  return static_cast<int>(message.wParam);
}

}  // namespace

int SaverMain(int, char**, char**) {
  const char* command_line = ::GetCommandLineA();
  HINSTANCE instance = ::GetModuleHandleA(nullptr);
  ::LoadStringA(instance, kAppNameString, SaverAppName, sizeof SaverAppName);
  std::string_view argument = SaverArgument(command_line);
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
