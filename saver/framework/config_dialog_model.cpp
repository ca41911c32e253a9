#include "saver/framework/config_dialog_model.h"

#include <array>
#include <span>

#include "saver/animation/settings_io.h"

namespace verdant {
namespace {

constexpr std::array<const char*, kPlantTypes> kPlantNames = {
    "Garden Ferns", "Flowering Bushes", "Forest Trees", "Small Trees", "Random"};
constexpr std::array<const char*, kColorSchemes> kColorNames = {
    "Grays", "Blues",    "Cyans",   "Greens", "Yellows",
    "Reds",  "Magentas", "Rainbow", "Cycle",  "Pastel"};
constexpr std::array<const char*, kBackgroundTones> kToneNames = {
    "Black",   "Red",        "Yellow",    "Green",    "Cyan",      "Blue",
    "Magenta", "Blue/Green", "Green/Red", "Red/Blue", "All Colors"};

void FillList(DialogControls& controls, int id, std::span<const char* const> names) {
  for (std::size_t i = 0; i < names.size(); ++i) {
    controls.SendDlgItemMessageA(id, kCbInsertString, i, std::string(names[i]));
  }
}

// A position outside the list clears the selection.
void Select(DialogControls& controls, int id, std::int32_t position) {
  controls.SendDlgItemMessageA(id, kCbSetCurSel, static_cast<MessageWParam>(position), 0);
}

MessageResult Selection(DialogControls& controls, int id) {
  return controls.SendDlgItemMessageA(id, kCbGetCurSel, 0, 0);
}

void ShowNumbers(DialogControls& controls, const SaverSettings& settings) {
  controls.SetDlgItemInt(kDelayEdit, static_cast<unsigned>(settings.Delay));
  controls.SetDlgItemInt(kNumberEdit, static_cast<unsigned>(settings.Number));
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

}  // namespace

void FillConfigControls(DialogControls& controls, SaverSettings& settings) {
  FillList(controls, kPlantList, kPlantNames);
  Select(controls, kPlantList, settings.PlantType);
  FillList(controls, kColorList, kColorNames);
  if (settings.CycleColors) settings.ColorChoice = kCycle;
  Select(controls, kColorList, settings.ColorChoice);
  if (settings.PlantType == kFloweringBushes) controls.EnableWindow(kColorList, false);
  FillList(controls, kToneList, kToneNames);
  Select(controls, kToneList, settings.BkgndTone);
  ShowNumbers(controls, settings);
  controls.EnableWindow(kPasswordCheck, false);
  controls.EnableWindow(kSetPasswordButton, false);
}

void ReadConfigControls(DialogControls& controls, SaverSettings& settings) {
  MessageResult plant = Selection(controls, kPlantList);
  settings.PlantType = plant == kCbErr ? SaverSettings{}.PlantType : static_cast<int>(plant);

  MessageResult color = Selection(controls, kColorList);
  settings.CycleColors = color == kCycle;
  if (color == kCbErr) {
    settings.ColorChoice = SaverSettings{}.ColorChoice;
  } else {
    settings.ColorChoice = settings.CycleColors ? 0 : static_cast<int>(color);
  }

  MessageResult tone = Selection(controls, kToneList);
  settings.BkgndTone = tone == kCbErr ? SaverSettings{}.BkgndTone : static_cast<int>(tone);

  settings.Delay =
      static_cast<std::int32_t>(UnsignedFieldValue(controls.GetDlgItemTextA(kDelayEdit)));
  settings.Number =
      static_cast<std::int32_t>(UnsignedFieldValue(controls.GetDlgItemTextA(kNumberEdit)));
}

void OnPlantSelectionChange(DialogControls& controls, const SaverSettings& settings) {
  if (Selection(controls, kPlantList) == kFloweringBushes) {
    controls.EnableWindow(kColorList, false);
    Select(controls, kColorList, settings.ColorChoice);
  } else {
    controls.EnableWindow(kColorList, true);
  }
}

void ResetConfigControls(DialogControls& controls, SaverSettings& settings) {
  settings = SaverSettings{};
  Select(controls, kPlantList, settings.PlantType);
  Select(controls, kColorList, settings.ColorChoice);
  Select(controls, kToneList, settings.BkgndTone);
  ShowNumbers(controls, settings);
  controls.EnableWindow(kColorList, true);
}

std::uint32_t UnsignedFieldValue(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  std::uint64_t value = 0;
  std::size_t digits = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++digits) {
    value = value * 10 + static_cast<unsigned>(text[i] - '0');
    if (value > UINT32_MAX) return 0;
  }
  while (i < text.size() && IsBlank(text[i])) ++i;
  if (digits == 0 || i != text.size()) return 0;
  return static_cast<std::uint32_t>(value);
}

bool OpenConfigDialog(SaverWindowHost& dialog, DialogControls& controls, ProfileStore& profile,
                      SaverSettings& settings) {
  if (!CheckDisplayAndLoad(dialog, profile, settings)) return false;
  FillConfigControls(controls, settings);
  return true;
}

void ConfirmConfigDialog(DialogControls& controls, ProfileStore& profile, SaverSettings& settings) {
  ReadConfigControls(controls, settings);
  WriteSettings(profile, settings);
}

}  // namespace verdant
