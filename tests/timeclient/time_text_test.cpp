#include "timeclient/time_text.h"

#include <gtest/gtest.h>

namespace timeclient {
namespace {

using timeproto::TimeField;

TEST(FormatTimeText, MonthFirstWithHundredths) {
  EXPECT_EQ(FormatTimeText({1993, 11, 0, 7, 13, 54, 49, 257}), "Sun 11/07/1993  -  13:54:49,25");
  EXPECT_EQ(FormatTimeText({1993, 3, 2, 2, 9, 5, 3, 47}), "Tue 03/02/1993  -  09:05:03,04");
  EXPECT_EQ(FormatTimeText({2024, 1, 6, 31, 0, 0, 0, 5}), "Sat 01/31/2024  -  00:00:00,00");
  EXPECT_EQ(FormatTimeText({2024, 12, 5, 31, 23, 59, 59, 999}), "Fri 12/31/2024  -  23:59:59,99");
}

TEST(FormatTimeText, OddWordsStayInBounds) {
  // The year is right-aligned in four columns; wider values are printed whole.
  EXPECT_EQ(FormatTimeText({993, 1, 1, 1, 1, 1, 1, 10}), "Mon 01/01/ 993  -  01:01:01,01");
  EXPECT_EQ(FormatTimeText({1993, 11, 7, 7, 13, 54, 49, 257}), "??? 11/07/1993  -  13:54:49,25");
  EXPECT_EQ(FormatTimeText({65535, 65535, 65535, 65535, 65535, 65535, 65535, 65535}),
            "??? 65535/65535/65535  -  65535:65535:65535,6553");
}

// Names come in the OEM code page: only the bytes that steer a terminal are replaced.
TEST(PrintableName, ReplacesControlBytesOnly) {
  EXPECT_EQ(PrintableName("SRV-01 x~"), "SRV-01 x~");
  EXPECT_EQ(PrintableName("A\x1b[2J\tB\x7f\x1f"), "A?[2J?B??");
  EXPECT_EQ(PrintableName("M\x9aLLER \x80\xe9\xff"), "M\x9aLLER \x80\xe9\xff");
  EXPECT_EQ(PrintableName(""), "");
}

}  // namespace
}  // namespace timeclient
