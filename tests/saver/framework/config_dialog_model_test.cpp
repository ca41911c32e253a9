#include "saver/framework/config_dialog_model.h"

#include <gtest/gtest.h>

#include "tests/saver/framework/fake_dialog.h"

namespace verdant {
namespace {

using testing::FakeDialog;

SaverSettings Stored(int plant, int color, int tone, int delay, int number) {
  SaverSettings s;
  s.PlantType = plant;
  s.ColorChoice = color;
  s.BkgndTone = tone;
  s.Delay = delay;
  s.Number = number;
  return s;
}

TEST(ConfigDialogModelTest, FillsTheListsInOrderAndShowsTheSettings) {
  FakeDialog dialog;
  SaverSettings settings = Stored(2, 5, 10, 7, 40);
  FillConfigControls(dialog, settings);

  EXPECT_EQ(dialog.lists[kPlantList].items,
            (std::vector<std::string>{"Garden Ferns", "Flowering Bushes", "Forest Trees",
                                      "Small Trees", "Random"}));
  EXPECT_EQ(dialog.lists[kColorList].items,
            (std::vector<std::string>{"Grays", "Blues", "Cyans", "Greens", "Yellows", "Reds",
                                      "Magentas", "Rainbow", "Cycle", "Pastel"}));
  EXPECT_EQ(dialog.lists[kToneList].items,
            (std::vector<std::string>{"Black", "Red", "Yellow", "Green", "Cyan", "Blue", "Magenta",
                                      "Blue/Green", "Green/Red", "Red/Blue", "All Colors"}));
  EXPECT_EQ(dialog.Shown(kPlantList), "Forest Trees");
  EXPECT_EQ(dialog.Shown(kColorList), "Reds");
  EXPECT_EQ(dialog.Shown(kToneList), "All Colors");
  EXPECT_EQ(dialog.texts[kDelayEdit], "7");
  EXPECT_EQ(dialog.texts[kNumberEdit], "40");
  EXPECT_TRUE(dialog.disabled[kPasswordCheck]);
  EXPECT_TRUE(dialog.disabled[kSetPasswordButton]);
  EXPECT_FALSE(dialog.disabled[kColorList]);
}

TEST(ConfigDialogModelTest, StoredCycleShowsAsCycleAndOkKeepsIt) {
  FakeDialog dialog;
  SaverSettings settings;  // as read from a file holding 8
  settings.ColorChoice = 0;
  settings.CycleColors = true;
  FillConfigControls(dialog, settings);
  EXPECT_EQ(dialog.Shown(kColorList), "Cycle");
  EXPECT_EQ(settings.ColorChoice, 8);

  ReadConfigControls(dialog, settings);
  EXPECT_EQ(settings.ColorChoice, 0);
  EXPECT_TRUE(settings.CycleColors);
}

TEST(ConfigDialogModelTest, OutOfRangeValuesSelectNothingAndOkGivesTheInitialOnes) {
  FakeDialog dialog;
  SaverSettings settings = Stored(7, -1, 11, -5, 3);
  FillConfigControls(dialog, settings);
  EXPECT_EQ(dialog.Shown(kPlantList), "");
  EXPECT_EQ(dialog.Shown(kColorList), "");
  EXPECT_EQ(dialog.Shown(kToneList), "");
  EXPECT_EQ(dialog.texts[kDelayEdit], "4294967291");  // shown unsigned

  ReadConfigControls(dialog, settings);
  EXPECT_EQ(settings.PlantType, 4);
  EXPECT_EQ(settings.ColorChoice, 7);
  EXPECT_FALSE(settings.CycleColors);
  EXPECT_EQ(settings.BkgndTone, 0);
  EXPECT_EQ(settings.Delay, -5);  // the same 32 bits come back
  EXPECT_EQ(settings.Number, 3);
}

TEST(ConfigDialogModelTest, OkTakesTheChoicesAndTheFields) {
  FakeDialog dialog;
  SaverSettings settings;
  settings.CycleColors = true;
  FillConfigControls(dialog, settings);
  dialog.Pick(kPlantList, 0);
  dialog.Pick(kColorList, 9);
  dialog.Pick(kToneList, 3);
  dialog.texts[kDelayEdit] = " 12 ";
  dialog.texts[kNumberEdit] = "4294967295";
  ReadConfigControls(dialog, settings);
  EXPECT_EQ(settings.PlantType, 0);
  EXPECT_EQ(settings.ColorChoice, 9);
  EXPECT_FALSE(settings.CycleColors);
  EXPECT_EQ(settings.BkgndTone, 3);
  EXPECT_EQ(settings.Delay, 12);
  EXPECT_EQ(settings.Number, -1);
}

TEST(ConfigDialogModelTest, TextThatIsNoUnsignedNumberIsZero) {
  for (const char* text : {"", "abc", "-5", "+5", "5a", "1 2", "4294967296", "99999999999999"}) {
    EXPECT_EQ(UnsignedFieldValue(text), 0u) << text;
  }
  EXPECT_EQ(UnsignedFieldValue("0"), 0u);
  EXPECT_EQ(UnsignedFieldValue("007"), 7u);
  EXPECT_EQ(UnsignedFieldValue("\t 42  "), 42u);
  EXPECT_EQ(UnsignedFieldValue("4294967295"), 4294967295u);

  FakeDialog dialog;
  SaverSettings settings;
  FillConfigControls(dialog, settings);
  dialog.texts[kDelayEdit] = "soon";
  dialog.texts[kNumberEdit] = "-3";
  ReadConfigControls(dialog, settings);
  EXPECT_EQ(settings.Delay, 0);
  EXPECT_EQ(settings.Number, 0);
}

TEST(ConfigDialogModelTest, DefaultShowsTheInitialValuesAndEnablesTheColours) {
  FakeDialog dialog;
  SaverSettings settings = Stored(1, 3, 6, 9, 9);
  settings.CycleColors = true;
  FillConfigControls(dialog, settings);
  EXPECT_TRUE(dialog.disabled[kColorList]);

  ResetConfigControls(dialog, settings);
  EXPECT_EQ(dialog.Shown(kPlantList), "Random");
  EXPECT_EQ(dialog.Shown(kColorList), "Rainbow");
  EXPECT_EQ(dialog.Shown(kToneList), "Black");
  EXPECT_EQ(dialog.texts[kDelayEdit], "5");
  EXPECT_EQ(dialog.texts[kNumberEdit], "32");
  EXPECT_FALSE(dialog.disabled[kColorList]);
  EXPECT_FALSE(settings.CycleColors);

  ReadConfigControls(dialog, settings);
  EXPECT_EQ(settings.PlantType, 4);
  EXPECT_EQ(settings.ColorChoice, 7);
  EXPECT_EQ(settings.BkgndTone, 0);
  EXPECT_EQ(settings.Delay, 5);
  EXPECT_EQ(settings.Number, 32);
}

TEST(ConfigDialogModelTest, BushesDisableTheColoursAndPutBackTheConfirmedScheme) {
  FakeDialog dialog;
  SaverSettings settings = Stored(0, 2, 0, 5, 32);
  FillConfigControls(dialog, settings);
  dialog.Pick(kColorList, 6);  // picked, not confirmed
  dialog.Pick(kPlantList, kFloweringBushes);
  OnPlantSelectionChange(dialog, settings);
  EXPECT_TRUE(dialog.disabled[kColorList]);
  EXPECT_EQ(dialog.Shown(kColorList), "Cyans");

  dialog.Pick(kPlantList, 3);
  OnPlantSelectionChange(dialog, settings);
  EXPECT_FALSE(dialog.disabled[kColorList]);
  EXPECT_EQ(dialog.Shown(kColorList), "Cyans");
}

TEST(ConfigDialogModelTest, StoredBushesOpenWithTheColoursDisabled) {
  FakeDialog dialog;
  SaverSettings settings = Stored(1, 4, 0, 5, 32);
  FillConfigControls(dialog, settings);
  EXPECT_TRUE(dialog.disabled[kColorList]);
  EXPECT_EQ(dialog.Shown(kColorList), "Yellows");
}

}  // namespace
}  // namespace verdant
