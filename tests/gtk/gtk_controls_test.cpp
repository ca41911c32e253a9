// The GTK widgets behave as the dialog model expects of the platform's controls, and the
// dialog's pictures keep their colours as pixbufs.
#include <gtest/gtest.h>

#include "saver/core/saver_settings.h"
#include "saver/framework/gtk/bitmap_pixbuf.h"
#include "saver/framework/gtk/gtk_dialog_controls.h"

namespace verdant {
namespace {

class GtkControlsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(gtk_init_check(nullptr, nullptr)); }
  void SetUp() override {
    list = gtk_combo_box_text_new();
    field = gtk_entry_new();
    g_object_ref_sink(list);
    g_object_ref_sink(field);
    controls.Add(kColorList, list);
    controls.Add(kDelayEdit, field);
  }
  void TearDown() override {
    g_object_unref(list);
    g_object_unref(field);
  }
  void Insert(const char* text) {
    const auto position = static_cast<MessageWParam>(
        gtk_tree_model_iter_n_children(gtk_combo_box_get_model(GTK_COMBO_BOX(list)), nullptr));
    EXPECT_EQ(controls.SendDlgItemMessageA(kColorList, kCbInsertString, position, text),
              static_cast<MessageResult>(position));
  }
  MessageResult SetCurSel(MessageWParam position) {
    return controls.SendDlgItemMessageA(kColorList, kCbSetCurSel, position, 0);
  }
  MessageResult GetCurSel() { return controls.SendDlgItemMessageA(kColorList, kCbGetCurSel, 0, 0); }

  GtkDialogControls controls;
  GtkWidget* list = nullptr;
  GtkWidget* field = nullptr;
};

TEST_F(GtkControlsTest, ListSelectionOutsideTheListClearsIt) {
  EXPECT_EQ(GetCurSel(), kCbErr);
  for (const char* text : {"Grays", "Blues", "Cyans"}) Insert(text);
  EXPECT_EQ(SetCurSel(2), 2);
  EXPECT_EQ(GetCurSel(), 2);
  EXPECT_STREQ(gtk_combo_box_text_get_active_text(GTK_COMBO_BOX_TEXT(list)), "Cyans");
  EXPECT_EQ(SetCurSel(3), kCbErr);
  EXPECT_EQ(GetCurSel(), kCbErr);
  EXPECT_EQ(SetCurSel(1), 1);
  EXPECT_EQ(SetCurSel(static_cast<MessageWParam>(-1)), kCbErr);
  EXPECT_EQ(GetCurSel(), kCbErr);
}

// The dialog reacts to the user's choice only; its own selections must not reach the handler.
TEST_F(GtkControlsTest, OnlyTheUsersChoiceNotifiesAChange) {
  for (const char* text : {"Garden Ferns", "Flowering Bushes"}) Insert(text);
  int changes = 0;
  g_signal_connect(list, "changed",
                   G_CALLBACK(+[](GtkComboBox*, gpointer n) { ++*static_cast<int*>(n); }),
                   &changes);
  SetCurSel(1);
  SetCurSel(5);
  EXPECT_EQ(changes, 0);
  gtk_combo_box_set_active(GTK_COMBO_BOX(list), 0);
  EXPECT_EQ(changes, 1);
}

TEST_F(GtkControlsTest, FieldsShowUnsignedNumbersAndControlsEnable) {
  controls.SetDlgItemInt(kDelayEdit, 4294967295u);
  EXPECT_EQ(controls.GetDlgItemTextA(kDelayEdit), "4294967295");
  gtk_entry_set_text(GTK_ENTRY(field), " abc");
  EXPECT_EQ(controls.GetDlgItemTextA(kDelayEdit), " abc");
  controls.EnableWindow(kColorList, false);
  EXPECT_FALSE(gtk_widget_get_sensitive(list));
  controls.EnableWindow(kColorList, true);
  EXPECT_TRUE(gtk_widget_get_sensitive(list));
}

// The model's opening rules over real widgets: a stored "Cycle" shows, and bushes disable the
// colour list.
TEST_F(GtkControlsTest, OpeningShowsCycleAndDisablesColoursForBushes) {
  GtkWidget* plants = gtk_combo_box_text_new();
  GtkWidget* tones = gtk_combo_box_text_new();
  GtkWidget* number = gtk_entry_new();
  controls.Add(kPlantList, plants);
  controls.Add(kToneList, tones);
  controls.Add(kNumberEdit, number);
  SaverSettings settings;
  settings.PlantType = 1;
  settings.ColorChoice = 0;
  settings.CycleColors = true;
  FillConfigControls(controls, settings);
  EXPECT_STREQ(gtk_combo_box_text_get_active_text(GTK_COMBO_BOX_TEXT(list)), "Cycle");
  EXPECT_FALSE(gtk_widget_get_sensitive(list));
  EXPECT_STREQ(gtk_combo_box_text_get_active_text(GTK_COMBO_BOX_TEXT(plants)), "Flowering Bushes");
  for (GtkWidget* widget : {plants, tones, number})
    g_object_ref_sink(widget), g_object_unref(widget);
}

// An odd width pads each pixbuf row, and row 0 is the top: both must land where they belong.
TEST(MakePixbuf, EveryPixelTakesItsPaletteColour) {
  Bitmap16 bitmap(5, 3, 0);
  for (int i = 0; i < 16; ++i) {
    bitmap.palette[i] = {static_cast<std::uint8_t>(i * 16), static_cast<std::uint8_t>(255 - i),
                         static_cast<std::uint8_t>(i * 3)};
  }
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 5; ++x) bitmap.Set(x, y, static_cast<std::uint8_t>((x + 5 * y) % 16));
  }
  GdkPixbuf* pixbuf = MakePixbuf(bitmap);
  ASSERT_EQ(gdk_pixbuf_get_width(pixbuf), 5);
  ASSERT_EQ(gdk_pixbuf_get_height(pixbuf), 3);
  const guchar* pixels = gdk_pixbuf_get_pixels(pixbuf);
  const int stride = gdk_pixbuf_get_rowstride(pixbuf);
  const int channels = gdk_pixbuf_get_n_channels(pixbuf);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 5; ++x) {
      const guchar* p = pixels + y * stride + x * channels;
      const Rgb& want = bitmap.palette[bitmap.At(x, y)];
      EXPECT_EQ(p[0], want.red) << x << "," << y;
      EXPECT_EQ(p[1], want.green) << x << "," << y;
      EXPECT_EQ(p[2], want.blue) << x << "," << y;
    }
  }
  g_object_unref(pixbuf);
}

}  // namespace
}  // namespace verdant
