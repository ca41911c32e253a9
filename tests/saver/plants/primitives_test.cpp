#include <gtest/gtest.h>

#include "saver/plants/input_pending.h"
#include "saver/plants/plant_primitives.h"
#include "tests/saver/fakes/recording_surface.h"
#include "tests/saver/plants/plant_test_support.h"

namespace verdant {
namespace {

using testing::RecordingSurface;
using testing::SeedWhere;
using testing::SurfaceOp;

TEST(DrawSegmentTest, TruncatesWidthAndEndPoints) {
  RecordingSurface surface;
  DrawSegment(surface, -0.5, 3.9, 10.99, -7.2, 9.89, 17);
  DrawSegment(surface, 1, 2, 3, 4, 0.7, 300);
  ASSERT_EQ(surface.lines().size(), 2u);
  EXPECT_EQ(surface.lines()[0], (testing::DrawnLine{0, 3, 10, -7, 9, PaletteIndex(17)}));
  EXPECT_EQ(surface.lines()[1], (testing::DrawnLine{1, 2, 3, 4, 0, PaletteIndex(300)}));
}

TEST(DrawSegmentTest, OwnPenSelectedAroundTheLineAndDeleted) {
  RecordingSurface surface;
  DrawSegment(surface, 5, 6, 7, 8, 3.5, 0x12345);
  const auto& calls = surface.calls();
  ASSERT_EQ(calls.size(), 6u);
  GdiHandle pen = calls[0].handle;
  EXPECT_EQ(calls[0].op, SurfaceOp::kCreatePen);
  EXPECT_EQ(calls[0].x, 3);
  EXPECT_EQ(calls[0].color, 0x01002345u);  // only the low 16 bits of the index
  EXPECT_EQ(calls[1].op, SurfaceOp::kSelectObject);
  EXPECT_EQ(calls[1].handle, pen);
  EXPECT_EQ(calls[2].op, SurfaceOp::kMoveToEx);
  EXPECT_EQ(calls[3].op, SurfaceOp::kLineTo);
  EXPECT_EQ(calls[4].op, SurfaceOp::kSelectObject);
  EXPECT_EQ(calls[4].handle, RecordingSurface::kStockPen);
  EXPECT_EQ(calls[5].op, SurfaceOp::kDeleteObject);
  EXPECT_EQ(calls[5].handle, pen);
  EXPECT_EQ(surface.LiveObjects(), 0);
}

// A seed whose first draw gives the wanted jitter step r % 20.
void SeedForJitter(int step) {
  SeedWhere(1, [step](auto d) { return d[0] % 20 == step; });
}

TEST(BranchAngleTest, MeasuresScreenDirectionsAndAddsOffsetAndJitter) {
  SeedForJitter(10);  // no jitter
  EXPECT_DOUBLE_EQ(BranchAngle(100, 200, 100, 150, 10), 280.0);
  SeedForJitter(10);
  EXPECT_DOUBLE_EQ(BranchAngle(100, 200, 100, 250, 0), 90.0);
  SeedForJitter(10);
  EXPECT_DOUBLE_EQ(BranchAngle(5, 5, 5, 5, 0), 270.0);
  SeedForJitter(10);
  EXPECT_NEAR(BranchAngle(0, 0, -10, -10, 0), 225.000038, 5e-7);
  SeedForJitter(10);
  EXPECT_NEAR(BranchAngle(0, 0, 10, 10, 0), 45.000038, 5e-7);
  SeedForJitter(10);
  EXPECT_NEAR(BranchAngle(0, 0, 10, -10, -5), -50.000038, 5e-7);
}

TEST(BranchAngleTest, JitterRunsFromMinusNineTenthsToOne) {
  SeedForJitter(0);
  EXPECT_NEAR(BranchAngle(100, 200, 100, 150, 10), 281.0, 1e-9);
  SeedForJitter(19);
  EXPECT_NEAR(BranchAngle(100, 200, 100, 150, 10), 279.1, 1e-9);
  SeedRandom(4242);
  for (int i = 0; i < 1000; ++i) {
    double angle = BranchAngle(100, 200, 100, 150, 10);
    EXPECT_GE(angle, 279.1 - 1e-9);
    EXPECT_LE(angle, 281.0 + 1e-9);
  }
}

TEST(BranchAngleTest, TakesExactlyOneDraw) {
  EXPECT_EQ(testing::DrawsTaken(99, [] { BranchAngle(1, 2, 3, 4, 5); }), 1);
  EXPECT_EQ(testing::DrawsTaken(99, [] { BranchAngle(1, 2, 1, 4, 5); }), 1);
}

using InputPendingTest = testing::PlantInputTest;

TEST_F(InputPendingTest, NoQueueMeansNoInput) {
  SetInputQueue(nullptr);
  EXPECT_FALSE(InputPending());
}

TEST_F(InputPendingTest, LooksAtMouseThenKeyboardRanges) {
  EXPECT_FALSE(InputPending());
  ASSERT_EQ(queue.peeked.size(), 2u);
  EXPECT_EQ(queue.peeked[0], std::make_pair(0x200u, 0x209u));
  EXPECT_EQ(queue.peeked[1], std::make_pair(0x100u, 0x108u));
}

TEST_F(InputPendingTest, ReportsMouseAndKeyMessagesAndLeavesThemQueued) {
  queue.Post(0x200);  // WM_MOUSEMOVE
  EXPECT_TRUE(InputPending());
  EXPECT_TRUE(InputPending());
  EXPECT_EQ(queue.messages.size(), 1u);
  for (unsigned message : {0x100u, 0x108u, 0x209u, 0x201u}) {
    queue.messages = {message};
    EXPECT_TRUE(InputPending()) << message;
  }
}

TEST_F(InputPendingTest, IgnoresOtherMessages) {
  for (unsigned message : {0x0Fu, 0x113u, 0x109u, 0x20Au, 0x1FFu}) {
    queue.messages = {message};
    EXPECT_FALSE(InputPending()) << message;
  }
}

}  // namespace
}  // namespace verdant
