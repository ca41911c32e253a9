#include "saver/surface/trace_surface.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "tests/saver/fakes/recording_surface.h"

namespace verdant {
namespace {

using testing::RecordingSurface;
using testing::SurfaceOp;

std::vector<PaletteEntry> Ramp(int count) {
  std::vector<PaletteEntry> entries(count);
  for (int i = 0; i < count; ++i) {
    entries[i] = {static_cast<std::uint8_t>(i), 0xAB, static_cast<std::uint8_t>(255 - i), 1};
  }
  return entries;
}

TEST(TraceSurfaceTest, LinesRunFromTheCurrentPositionInTheSelectedPen) {
  std::ostringstream out;
  TraceSurface trace(out, nullptr);
  trace.MoveToEx(5, 6);
  trace.LineTo(7, 8);  // the stock pen: black, one pixel
  const GdiHandle wide = trace.CreatePen(9, PaletteIndex(221));
  const GdiHandle stock = trace.SelectObject(wide);
  trace.LineTo(-3, 2000);
  trace.SelectObject(trace.CreatePen(0, RgbColor(0x12, 0xAB, 0x05)));
  trace.MoveToEx(1, 1);
  trace.LineTo(2, 2);
  trace.LineTo(3, 1);
  trace.SelectObject(stock);
  trace.LineTo(0, 0);
  EXPECT_EQ(out.str(),
            "line 5 6 7 8 1 #000000\n"
            "line 7 8 -3 2000 9 i221\n"
            "line 1 1 2 2 0 #12ab05\n"
            "line 2 2 3 1 0 #12ab05\n"
            "line 3 1 0 0 1 #000000\n");
}

TEST(TraceSurfaceTest, PixelsRectanglesAndTheRecordsOfTheRun) {
  std::ostringstream out;
  TraceSurface trace(out, nullptr);
  trace.RecordCreate(1024, 768, 1700000000);
  trace.RecordTick(1);
  trace.SetPixel(-1, 4, PaletteIndex(300));  // an index past the palette stays as passed
  trace.Rectangle(0, 0, 10, 10);             // the stock brush is white
  trace.SelectObject(trace.CreateSolidBrush(PaletteIndex(209)));
  trace.Rectangle(0, 29, 1024, 58);
  EXPECT_EQ(out.str(),
            "create 1024 768 1700000000\n"
            "tick 1\n"
            "pixel -1 4 i300\n"
            "rect 0 0 10 10 #ffffff\n"
            "rect 0 29 1024 58 i209\n");
}

TEST(TraceSurfaceTest, WritingTheBackgroundRangeRecordsThePaletteUpTo235) {
  std::ostringstream out;
  TraceSurface trace(out, nullptr);
  std::vector<PaletteEntry> entries(256);
  entries[1] = {0xFF, 0x7F, 0x0A, 1};
  entries[240] = {1, 2, 3, 1};  // past the traced range
  const GdiHandle palette = trace.CreatePalette(entries);
  EXPECT_EQ(out.str(), "");
  trace.SetPaletteEntries(palette, 209, Ramp(27));
  std::istringstream record(out.str());
  std::vector<std::string> fields;
  for (std::string field; record >> field;) fields.push_back(field);
  ASSERT_EQ(fields.size(), 3u + 236u);
  EXPECT_EQ(fields[0], "palette");
  EXPECT_EQ(fields[1], "209");
  EXPECT_EQ(fields[2], "27");
  EXPECT_EQ(fields[3], "000000");
  EXPECT_EQ(fields[4], "ff7f0a");
  EXPECT_EQ(fields[3 + 209], "00abff");
  EXPECT_EQ(fields[3 + 235], "1aabe5");
  EXPECT_EQ(out.str().back(), '\n');
}

TEST(TraceSurfaceTest, NoPaletteRecordWithoutAPalette) {
  std::ostringstream out;
  TraceSurface trace(out, nullptr);
  trace.SetPaletteEntries(0, 209, Ramp(27));
  EXPECT_EQ(trace.SelectPalette(0), 0u);
  EXPECT_EQ(out.str(), "");
}

TEST(TraceSurfaceTest, ForwardsEveryCallWithTheOtherSurfacesHandles) {
  std::ostringstream out;
  RecordingSurface inner;
  inner.bits_per_pixel = 16;
  TraceSurface trace(out, &inner);
  EXPECT_EQ(trace.BitsPerPixel(), 16);
  const GdiHandle palette = trace.CreatePalette(std::vector<PaletteEntry>(256));
  trace.SetPaletteEntries(palette, 201, Ramp(35));
  const GdiHandle previous_palette = trace.SelectPalette(palette);
  trace.RealizePalette();
  const GdiHandle brush = trace.CreateSolidBrush(PaletteIndex(201));
  const GdiHandle pen = trace.CreatePen(1, PaletteIndex(201));
  const GdiHandle old_brush = trace.SelectObject(brush);
  const GdiHandle old_pen = trace.SelectObject(pen);
  trace.Rectangle(0, 0, 8, 8);
  trace.MoveToEx(1, 2);
  trace.LineTo(3, 4);
  trace.SetPixel(5, 6, PaletteIndex(7));
  trace.SelectObject(old_pen);
  trace.SelectObject(old_brush);
  trace.DeleteObject(pen);
  trace.DeleteObject(brush);
  trace.SelectPalette(previous_palette);
  trace.DeleteObject(palette);

  // The stock objects come back on the other surface too, and all it made is gone.
  EXPECT_EQ(inner.selected_pen(), RecordingSurface::kStockPen);
  EXPECT_EQ(inner.selected_brush(), RecordingSurface::kStockBrush);
  EXPECT_EQ(inner.selected_palette(), RecordingSurface::kDefaultPalette);
  EXPECT_EQ(inner.LiveObjects(), 0);
  ASSERT_EQ(inner.lines().size(), 1u);
  EXPECT_EQ(inner.lines()[0], (testing::DrawnLine{1, 2, 3, 4, 1, PaletteIndex(201)}));
  EXPECT_EQ(inner.CountOf(SurfaceOp::kRectangle), 1u);
  EXPECT_EQ(inner.CountOf(SurfaceOp::kRealizePalette), 1u);
  EXPECT_EQ(inner.Object(0x100).entries[235], (PaletteEntry{34, 0xAB, 221, 1}));
  EXPECT_THAT(out.str(), ::testing::HasSubstr("rect 0 0 8 8 i201\nline 1 2 3 4 1 i201\n"
                                              "pixel 5 6 i7\n"));
}

TEST(TraceSurfaceTest, AFailedCreationOnTheOtherSurfaceFailsHereToo) {
  std::ostringstream out;
  RecordingSurface inner;
  inner.fail_create_palette = true;
  TraceSurface trace(out, &inner);
  EXPECT_EQ(trace.CreatePalette(std::vector<PaletteEntry>(256)), 0u);
}

TEST(TraceSurfaceTest, APenDeletedWhileSelectedDrawsUntilReplaced) {
  std::ostringstream out;
  TraceSurface trace(out, nullptr);
  const GdiHandle pen = trace.CreatePen(3, PaletteIndex(9));
  const GdiHandle stock = trace.SelectObject(pen);
  trace.DeleteObject(pen);
  trace.LineTo(1, 1);
  trace.SelectObject(stock);
  EXPECT_EQ(trace.SelectObject(pen), 0u);  // gone once replaced
  EXPECT_EQ(out.str(), "line 0 0 1 1 3 i9\n");
}

}  // namespace
}  // namespace verdant
