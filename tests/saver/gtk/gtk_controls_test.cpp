// The GTK lists behave as the dialog model expects of the platform's combo boxes, and the
// dialog's pictures keep their colours as pixbufs.
#include <gtest/gtest.h>

#include "saver/gtk/bitmap_pixbuf.h"
#include "saver/gtk/gtk_dialog_controls.h"

namespace verdant {
namespace {

class GtkControlsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(gtk_init_check(nullptr, nullptr)); }
  void SetUp() override {
    list = gtk_combo_box_text_new();
    g_object_ref_sink(list);
    controls.Add(kColorList, list);
  }
  void TearDown() override { g_object_unref(list); }
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
};

TEST_F(GtkControlsTest, ListSelectionOutsideTheListClearsIt) {
  EXPECT_EQ(GetCurSel(), kCbErr);
  for (const char* text : {"Grays", "Blues", "Cyans"}) Insert(text);
  EXPECT_EQ(SetCurSel(2), 2);
  EXPECT_EQ(GetCurSel(), 2);
  g_autofree gchar* shown = gtk_combo_box_text_get_active_text(GTK_COMBO_BOX_TEXT(list));
  EXPECT_STREQ(shown, "Cyans");
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
