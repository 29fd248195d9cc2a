#include "Libraries/File/FileInfo.h"

#include <sys/stat.h>

#include <cerrno>
#include <ctime>

#include "Libraries/Error/FunctionScope.h"
#include "Libraries/OperatingSystem/OperatingSystem.h"

namespace {
constexpr int64_t kFileTimeUnitsPerSecond = 10000000;
constexpr int64_t kFileTimeUnitsPerMillisecond = 10000;
// Seconds from 1601-01-01 to 1970-01-01.
constexpr int64_t kFileTimeEpochToUnixEpoch = 11644473600;

bool UtcTimeAt(int64_t unixSeconds, Os::TLocalTime& result) {
  const time_t moment = static_cast<time_t>(unixSeconds);
  std::tm parts{};
  if (::gmtime_r(&moment, &parts) == nullptr) {
    errno = EOVERFLOW;
    return false;
  }
  result = Os::TLocalTime{};
  result.Year = parts.tm_year + 1900;
  result.Month = parts.tm_mon + 1;
  result.Day = parts.tm_mday;
  result.Hour = parts.tm_hour;
  result.Minute = parts.tm_min;
  result.Second = parts.tm_sec > 59 ? 59 : parts.tm_sec;
  return true;
}
}  // namespace

int64_t GetFileSize(int descriptor) {
  return PassingFunction("GetFileSize", [&](TFunScope& Fun) -> int64_t {
    struct stat status {};
    if (::fstat(descriptor, &status) != 0) {
      Fun.Warn("Failed to get file size.");
      return 0;
    }
    return static_cast<int64_t>(status.st_size);
  });
}

TDateTime ConvertFileTime(TFileTime fileTime, bool toLocalTime) {
  return PassingFunction("ConvertFileTime", [&](TFunScope& Fun) -> TDateTime {
    Os::ClearLastError();
    Os::TLocalTime fields;
    const int64_t seconds = fileTime / kFileTimeUnitsPerSecond - kFileTimeEpochToUnixEpoch;
    const bool converted =
        fileTime >= 0 && (toLocalTime ? Os::LocalTimeAt(seconds, fields) : UtcTimeAt(seconds, fields));
    if (!converted) {
      Fun.Fail("Failed to convert time.", "", "", fileTime < 0 ? EINVAL : Os::LastError());
      return 0;
    }
    fields.Millisecond =
        static_cast<int>(fileTime % kFileTimeUnitsPerSecond / kFileTimeUnitsPerMillisecond);
    TDateTime value = EncodeDate(fields.Year, fields.Month, fields.Day);
    const double time = EncodeTime(fields.Hour, fields.Minute, fields.Second, fields.Millisecond);
    // Before day 0 the time of day still counts forward from midnight.
    value += value < 0 ? -time : time;
    return value;
  });
}
