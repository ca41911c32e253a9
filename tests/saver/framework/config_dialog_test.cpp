// The configuration dialog's procedure on its real template, opened modeless so that the test
// can send it messages; the settings go to a profile in memory.
#include "saver/win32/config_dialog.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

#include "saver/animation/profile_store.h"
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
  void TearDown() override {
    if (::IsWindow(dialog)) ::DestroyWindow(dialog);
  }

  HWND Open() {
    dialog = ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kConfigDialogId),
                                  nullptr, ConfigDialogProc, reinterpret_cast<LPARAM>(&profile));
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

  // Keys as typing delivers them, over the field's selected text.
  void Type(int field, const std::string& text) {
    HWND edit = ::GetDlgItem(dialog, field);
    ::SendMessageA(edit, EM_SETSEL, 0, -1);
    for (char c : text) ::SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 1);
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

TEST_F(ConfigDialogTest, NumberFieldsTakeMoreDigitsThanTheyShow) {
  ASSERT_NE(Open(), nullptr);
  Type(kDelayEdit, "1234567");
  Type(kNumberEdit, "   42");
  ::SendMessageA(dialog, WM_COMMAND, kOkButton, 0);
  EXPECT_EQ(profile.written["Delay"], "1234567");
  EXPECT_EQ(profile.written["Number"], "42");
}

}  // namespace
}  // namespace verdant
