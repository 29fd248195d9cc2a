#pragma once
// Date-time values and the one-line time stamp of the error report.
//
// A date-time value is a day count: the integral part counts days from
// 30 December 1899, the fractional part is the time of day. Before that day
// the integral part is negative and the fraction is the time of day taken
// positive (-1.25 is 29 December 1899, 06:00).

#include <cstdint>
#include <string>

using TDateTime = double;

// The day count of a calendar date (month 1..12, day 1..31).
int32_t EncodeDate(int year, int month, int day);
// The fraction of a day of a time of day.
double EncodeTime(int hour, int minute, int second, int millisecond);
// The current local date and time.
TDateTime Now();

// Turns a value computed by plain arithmetic below 0 into the split form
// (-0.75, six hours before day 0, becomes -1.25); values from 0 up stay.
void NormalizeDateTime(TDateTime& value);

// The long date, e.g. "Saturday, December 05, 2026".
std::string DateText(TDateTime value);
// 1 for 1 January, 365 or 366 for 31 December.
int32_t DayOfYear(TDateTime value);
// DateText followed by the day of the year: "Saturday, December 05, 2026 (339)".
std::string DateAndDayText(TDateTime value);
// The long time with ":" between its parts, e.g. "3:32:18 PM".
std::string TimeText(TDateTime value);
// TimeText followed by the whole 100-second units since midnight, 0..863:
// "3:32:18 PM (559)".
std::string TimeAndTickText(TDateTime value);
// DateAndDayText, the separator, TimeAndTickText.
std::string DateTimeText(const std::string& separator, TDateTime value);
