// The configuration dialog's procedure on its real template, opened modeless so that the test
// can send it messages; the settings go to a profile in memory.
#include "saver/framework/win32/config_dialog.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

#include "saver/animation/profile_store.h"
#include "saver/animation/saver_cycle.h"
#include "saver/core/saver_settings.h"
#include "saver/framework/config_dialog_model.h"

namespace verdant {
namespace {

class MemoryProfile : public ProfileStore {
 public:
  int GetPrivateProfileIntA(const std::string&, const std::string&, int default_value,
                            const std::string&) override {
    return default_value;
  }
  bool WritePrivateProfileStringA(const std::string&, const std::string& key,
                                  const std::string& value, const std::string&) override {
    written[key] = value;
    return true;
  }
  std::map<std::string, std::string> written;
};

class ConfigDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Settings() = SaverSettings{};
    SetProfileStore(&profile);
  }
  void TearDown() override {
    if (::IsWindow(dialog)) ::DestroyWindow(dialog);
    SetProfileStore(nullptr);
  }

  HWND Open() {
    dialog = ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kConfigDialogId),
                                  nullptr, ConfigDialogProc, 0);
    return dialog;
  }

  HBRUSH ButtonBrush() {
    HWND ok = ::GetDlgItem(dialog, kOkButton);
    HDC dc = ::GetDC(ok);
    const LRESULT brush = ::SendMessageA(dialog, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc),
                                         reinterpret_cast<LPARAM>(ok));
    ::ReleaseDC(ok, dc);
    return reinterpret_cast<HBRUSH>(brush);
  }

  MemoryProfile profile;
  HWND dialog = nullptr;
};

// Ending the dialog repaints its buttons, which ask for the cyan brush once more.
TEST_F(ConfigDialogTest, ButtonsGetALiveBrushUntilTheWindowIsGone) {
  for (const auto& [message, id] : {std::pair{WM_COMMAND, kOkButton},
                                    std::pair{WM_COMMAND, kCancelButton}, std::pair{WM_CLOSE, 0}}) {
    ASSERT_NE(Open(), nullptr);
    const HBRUSH brush = ButtonBrush();
    ASSERT_EQ(::GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH));
    ::SendMessageA(dialog, message, id, 0);
    EXPECT_EQ(ButtonBrush(), brush) << message << " " << id;
    EXPECT_EQ(::GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH)) << message << " " << id;
    ::DestroyWindow(dialog);
    EXPECT_EQ(::GetObjectType(brush), 0u) << "left behind after " << message << " " << id;
  }
}

}  // namespace
}  // namespace verdant
