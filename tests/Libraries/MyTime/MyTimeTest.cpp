#include "Libraries/MyTime/MyTime.h"

#include <gtest/gtest.h>

namespace {

TDateTime At(int year, int month, int day, int hour, int minute, int second) {
  return EncodeDate(year, month, day) + EncodeTime(hour, minute, second, 0);
}

TEST(TimeStamp, ReportLineWithDayNumbersAndHundredSecondUnitsSinceMidnight) {
  EXPECT_EQ(DateTimeText(" | ", At(2026, 12, 5, 15, 32, 18)),
            "Saturday, December 05, 2026 (339) | 3:32:18 PM (559)");
  EXPECT_EQ(DayOfYear(At(2026, 1, 1, 0, 0, 0)), 1);
  EXPECT_EQ(DayOfYear(At(2026, 12, 31, 23, 59, 59)), 365);
  EXPECT_EQ(DateAndDayText(At(2024, 2, 29, 1, 0, 0)), "Thursday, February 29, 2024 (60)");
  EXPECT_EQ(DayOfYear(At(2024, 12, 31, 12, 0, 0)), 366);
  EXPECT_EQ(TimeAndTickText(At(2026, 1, 1, 0, 0, 0)), "12:00:00 AM (0)");
  EXPECT_EQ(TimeAndTickText(At(2026, 1, 1, 12, 0, 0)), "12:00:00 PM (432)");
  EXPECT_EQ(TimeAndTickText(At(2026, 1, 1, 23, 59, 59)), "11:59:59 PM (863)");
}

TEST(TimeStamp, ValuesBeforeDayZeroTakeTheSplitForm) {
  TDateTime value = -0.75;  // six hours before day 0, by plain arithmetic
  NormalizeDateTime(value);
  EXPECT_DOUBLE_EQ(value, -1.25);
  TDateTime positive = 2.5;
  NormalizeDateTime(positive);
  EXPECT_DOUBLE_EQ(positive, 2.5);
  EXPECT_EQ(DateText(-0.75), "Friday, December 29, 1899");
  EXPECT_EQ(TimeAndTickText(-0.75), "6:00:00 AM (216)");
}

}  // namespace
