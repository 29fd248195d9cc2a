#include "Libraries/File/FileInfo.h"

#include <algorithm>

#include "Libraries/Error/FunctionScope.h"
#include "Libraries/OperatingSystem/OperatingSystem.h"

namespace {
constexpr int64_t kFileTimeUnitsPerSecond = 10000000;
constexpr int64_t kFileTimeUnitsPerMillisecond = 10000;
// Seconds from 1601-01-01 to 1970-01-01.
constexpr int64_t kFileTimeEpochToUnixEpoch = 11644473600;

// One tick of the clock that stamps files, with room to spare: the kernel
// stamps from a clock that moves on at least 100 times a second.
constexpr int64_t kFileClockTickNanoseconds = 20000000;
// File systems that keep whole seconds only (FAT keeps even seconds).
constexpr int64_t kWholeSecondsTickNanoseconds = 2000000000;
constexpr int64_t kNanosecondsPerSecond = 1000000000;

// Whether a stamp of the file's times, taken at the moment now, came after
// the clock had ticked on from its last change.
bool StampSettled(int64_t modified, int64_t changed, int64_t now) {
  const int64_t last = std::max(modified, changed);
  const int64_t tick =
      last % kNanosecondsPerSecond == 0 ? kWholeSecondsTickNanoseconds : kFileClockTickNanoseconds;
  return now - tick >= last;
}
}  // namespace

bool TFileStamp::operator==(const TFileStamp& other) const {
  return Device == other.Device && FileNumber == other.FileNumber && Size == other.Size &&
         ModifiedNanoseconds == other.ModifiedNanoseconds &&
         ChangedNanoseconds == other.ChangedNanoseconds;
}

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
  // The moment is taken first: a change after it shows in the times.
  const int64_t now = Os::FileClockNanoseconds();
  const Os::TFileStatus status = Os::PathStatus(path);
  if (status.Kind == Os::TFileKind::Missing) {
    return false;
  }
  stamp.Device = status.Device;
  stamp.FileNumber = status.Inode;
  stamp.Size = status.Size;
  stamp.ModifiedNanoseconds = status.ModifiedNanoseconds;
  stamp.ChangedNanoseconds = status.ChangedNanoseconds;
  stamp.Settled = StampSettled(status.ModifiedNanoseconds, status.ChangedNanoseconds, now);
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
