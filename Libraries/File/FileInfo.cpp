#include "Libraries/File/FileInfo.h"

#include "Libraries/Error/FunctionScope.h"
#include "Libraries/OperatingSystem/OperatingSystem.h"

namespace {
constexpr int64_t kFileTimeUnitsPerSecond = 10000000;
constexpr int64_t kFileTimeUnitsPerMillisecond = 10000;
// Seconds from 1601-01-01 to 1970-01-01.
constexpr int64_t kFileTimeEpochToUnixEpoch = 11644473600;

}  // namespace

int64_t GetFileSize(int descriptor) {
  return PassingFunction("GetFileSize", [&](TFunScope& Fun) -> int64_t {
    const int64_t size = Os::OpenFileSize(descriptor);
    if (size < 0) {
      Fun.Warn("Failed to get file size.");
      return 0;
    }
    return size;
  });
}

bool GetFileStamp(const std::string& path, TFileStamp& stamp) {
  const Os::TFileStatus status = Os::PathStatus(path);
  if (status.Kind == Os::TFileKind::Missing) {
    return false;
  }
  stamp.Device = status.Device;
  stamp.FileNumber = status.Inode;
  stamp.Size = status.Size;
  stamp.ModifiedNanoseconds = status.ModifiedNanoseconds;
  return true;
}

TDateTime ConvertFileTime(TFileTime fileTime, bool toLocalTime) {
  return PassingFunction("ConvertFileTime", [&](TFunScope& Fun) -> TDateTime {
    Os::ClearLastError();
    Os::TLocalTime fields;
    const int64_t seconds = fileTime / kFileTimeUnitsPerSecond - kFileTimeEpochToUnixEpoch;
    const bool converted = fileTime >= 0 && (toLocalTime ? Os::LocalTimeAt(seconds, fields)
                                                         : Os::UniversalTimeAt(seconds, fields));
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
