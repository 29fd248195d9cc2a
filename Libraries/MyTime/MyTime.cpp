#include "Libraries/MyTime/MyTime.h"

#include <array>
#include <cmath>
#include <cstdio>

#include "Libraries/OperatingSystem/OperatingSystem.h"

namespace {

constexpr double kMillisecondsPerDay = 86400000.0;
// The day count of 1 January 1970 in the civil-day numbering below.
constexpr int32_t kEpochShift = 25569;
// Ticks of 100 seconds in a day: the report's coarse time of day.
constexpr int kHundredSecondsPerDay = 864;

constexpr std::array<const char*, 7> kDayNames = {"Saturday", "Sunday",   "Monday", "Tuesday",
                                                  "Wednesday", "Thursday", "Friday"};
constexpr std::array<const char*, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

struct TCivilDate {
  int Year, Month, Day;
};

// Days since 1 January 1970 of a proleptic Gregorian date.
int32_t DaysFromCivil(int year, int month, int day) {
  year -= month <= 2 ? 1 : 0;
  const int era = (year >= 0 ? year : year - 399) / 400;
  const int yoe = year - era * 400;
  const int doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

TCivilDate CivilFromDays(int32_t days) {
  days += 719468;
  const int era = (days >= 0 ? days : days - 146096) / 146097;
  const int doe = days - era * 146097;
  const int yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int mp = (5 * doy + 2) / 153;
  const int day = doy - (153 * mp + 2) / 5 + 1;
  const int month = mp < 10 ? mp + 3 : mp - 9;
  return {yoe + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

// The day of a value in the split form: its integral part.
int32_t DayPart(TDateTime value) { return static_cast<int32_t>(std::trunc(value)); }

// The time of day of a value in the split form, in whole milliseconds.
int64_t MillisecondsOfDay(TDateTime value) {
  const double fraction = std::fabs(value - std::trunc(value));
  const auto ms = static_cast<int64_t>(std::llround(fraction * kMillisecondsPerDay));
  return ms >= static_cast<int64_t>(kMillisecondsPerDay) ? static_cast<int64_t>(kMillisecondsPerDay) - 1
                                                         : ms;
}

TCivilDate DateOf(TDateTime value) { return CivilFromDays(DayPart(value) - kEpochShift); }

}  // namespace

int32_t EncodeDate(int year, int month, int day) {
  return DaysFromCivil(year, month, day) + kEpochShift;
}

double EncodeTime(int hour, int minute, int second, int millisecond) {
  return ((hour * 60.0 + minute) * 60.0 + second) * 1000.0 / kMillisecondsPerDay +
         millisecond / kMillisecondsPerDay;
}

TDateTime Now() {
  const Os::TLocalTime now = Os::LocalTimeNow();
  return EncodeDate(now.Year, now.Month, now.Day) +
         EncodeTime(now.Hour, now.Minute, now.Second, now.Millisecond);
}

void NormalizeDateTime(TDateTime& value) {
  const double fraction = value - std::trunc(value);
  if (fraction < 0) {
    value = std::floor(value) - (fraction + 1);
  }
}

std::string DateText(TDateTime value) {
  NormalizeDateTime(value);
  const TCivilDate date = DateOf(value);
  const int weekday = ((DayPart(value) % 7) + 7) % 7;  // day 0 was a Saturday
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%s, %s %02d, %d", kDayNames[weekday],
                kMonthNames[date.Month - 1], date.Day, date.Year);
  return buffer;
}

int32_t DayOfYear(TDateTime value) {
  TDateTime normal = value;
  NormalizeDateTime(normal);
  const TCivilDate date = DateOf(normal);
  return static_cast<int32_t>(std::floor(value)) + 1 - EncodeDate(date.Year, 1, 1);
}

std::string DateAndDayText(TDateTime value) {
  return DateText(value) + " (" + std::to_string(DayOfYear(value)) + ")";
}

std::string TimeText(TDateTime value) {
  NormalizeDateTime(value);
  const int64_t ms = MillisecondsOfDay(value);
  const int seconds = static_cast<int>(ms / 1000);
  const int hour = seconds / 3600;
  const int hour12 = hour % 12 == 0 ? 12 : hour % 12;
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%d:%02d:%02d %s", hour12, seconds / 60 % 60, seconds % 60,
                hour < 12 ? "AM" : "PM");
  return buffer;
}

std::string TimeAndTickText(TDateTime value) {
  // Counted from the whole milliseconds of the time of day, so that 00:01:40
  // is one unit and not 0.99999 of one.
  TDateTime normal = value;
  NormalizeDateTime(normal);
  const int64_t ticks = MillisecondsOfDay(normal) * kHundredSecondsPerDay /
                        static_cast<int64_t>(kMillisecondsPerDay);
  return TimeText(value) + " (" + std::to_string(ticks) + ")";
}

std::string DateTimeText(const std::string& separator, TDateTime value) {
  const std::string time = TimeAndTickText(value);
  return DateAndDayText(value) + separator + time;
}
