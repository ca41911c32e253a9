#include "timeproto/linux/local_time.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace timeproto {
namespace {

class LocalTime : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("TZ", "Europe/Berlin", 1);  // a zone with daylight saving time
    tzset();
  }
  void TearDown() override {
    unsetenv("TZ");
    tzset();
  }
};

TEST_F(LocalTime, WordsAndInstantsConvertBothWays) {
  // Sunday 7 November 1993 13:54:49.257 in Berlin (winter time, UTC+1).
  const timeproto::TimeField winter{1993, 11, 0, 7, 13, 54, 49, 257};
  const auto instant = InstantOf(winter);
  ASSERT_TRUE(instant);
  EXPECT_EQ(instant->tv_sec, 752676889);
  EXPECT_EQ(instant->tv_nsec, 257000000);
  EXPECT_EQ(LocalTimeField(*instant), winter);
  const timeproto::TimeField summer{2026, 7, 3, 1, 12, 0, 0, 999};
  EXPECT_EQ(LocalTimeField(*InstantOf(summer)), summer);
}

TEST_F(LocalTime, FieldsOutOfRangeAreRefused) {
  for (const timeproto::TimeField bad : {timeproto::TimeField{1993, 13, 0, 7, 1, 0, 0, 0},
                                         timeproto::TimeField{1993, 2, 0, 30, 1, 0, 0, 0},
                                         timeproto::TimeField{1993, 2, 0, 1, 24, 0, 0, 0},
                                         timeproto::TimeField{1993, 2, 0, 1, 1, 60, 0, 0},
                                         timeproto::TimeField{1993, 2, 0, 1, 1, 0, 0, 1000},
                                         timeproto::TimeField{1969, 2, 0, 1, 1, 0, 0, 0}}) {
    EXPECT_FALSE(InstantOf(bad)) << bad.wMonth << "/" << bad.wDay;
  }
}

}  // namespace
}  // namespace timeproto
