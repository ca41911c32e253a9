#pragma once
// What the configuration dialog shows and what it takes back: its lists and fields filled from
// the settings, the conversions at OK, the Default values and the colour list's enabling rule;
// and its two moments that touch the settings file, opening and OK.
#include <cstdint>
#include <string>
#include <string_view>

#include "saver/animation/profile_store.h"
#include "saver/animation/saver_window_host.h"
#include "saver/core/saver_settings.h"
#include "saver/core/window_messages.h"

namespace verdant {

// Control identifiers of dialog template 2003.
inline constexpr int kConfigDialogId = 2003;
inline constexpr int kOkButton = 1;
inline constexpr int kCancelButton = 2;
inline constexpr int kPlantList = 1000;
inline constexpr int kColorList = 1001;
inline constexpr int kDelayEdit = 1002;
inline constexpr int kNumberEdit = 1003;
inline constexpr int kToneList = 1004;
inline constexpr int kDefaultButton = 2000;
inline constexpr int kLogoPanel = 2001;
inline constexpr int kHelpButton = 2002;
inline constexpr int kPasswordCheck = 2003;
inline constexpr int kSetPasswordButton = 2004;

// The dialog's controls, addressed by identifier.
struct DialogControls {
  virtual ~DialogControls() = default;
  virtual MessageResult SendDlgItemMessageA(int id, unsigned message, MessageWParam w_param,
                                            MessageLParam l_param) = 0;
  // The same with a text as the message's lParam (CB_INSERTSTRING).
  virtual MessageResult SendDlgItemMessageA(int id, unsigned message, MessageWParam w_param,
                                            const std::string& text) = 0;
  // EnableWindow of the control GetDlgItem finds.
  virtual void EnableWindow(int id, bool enable) = 0;
  // SetDlgItemInt, unsigned.
  virtual void SetDlgItemInt(int id, unsigned value) = 0;
  virtual std::string GetDlgItemTextA(int id) = 0;
};

// Fills the three lists and the two fields from the settings and disables the password
// controls. A stored "Cycle" shows as "Cycle" (ColorChoice holds 8 while the dialog runs).
void FillConfigControls(DialogControls& controls, SaverSettings& settings);

// Takes the choices back into the settings, as OK does before writing them.
void ReadConfigControls(DialogControls& controls, SaverSettings& settings);

// The plant list's selection changed: "Flowering Bushes" take no colour scheme.
void OnPlantSelectionChange(DialogControls& controls, const SaverSettings& settings);

// The Default button: the initial settings, shown.
void ResetConfigControls(DialogControls& controls, SaverSettings& settings);

// Opening: the display check, the settings read and the controls filled. False when the display
// has fewer than 8 bits per pixel (the notice has been shown); the dialog then ends at once and
// nothing is filled. The dialog owns `settings` for as long as it is open.
bool OpenConfigDialog(SaverWindowHost& dialog, DialogControls& controls, ProfileStore& profile,
                      SaverSettings& settings);

// OK: the choices taken back and written.
void ConfirmConfigDialog(DialogControls& controls, ProfileStore& profile, SaverSettings& settings);

// A field's text as an unsigned number: blanks around decimal digits and nothing else; any
// other text, or a value beyond 32 bits, is 0.
std::uint32_t UnsignedFieldValue(std::string_view text);

}  // namespace verdant
