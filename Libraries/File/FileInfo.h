#pragma once
// A file's size and time stamps in the program's own units.

#include <cstdint>
#include <string>

#include "Libraries/MyTime/MyTime.h"

// The size in bytes of the open file (a descriptor), 64 bits wide. Records
// the warning "Failed to get file size." and gives 0 when it cannot be read.
int64_t GetFileSize(int descriptor);

// What tells one state of a file from another without reading it: which
// file it is (device and file number), its size and its modification time.
// A file replaced whole, or written to, gets another stamp.
struct TFileStamp {
  uint64_t Device = 0;
  uint64_t FileNumber = 0;
  int64_t Size = -1;
  int64_t ModifiedNanoseconds = 0;
  bool operator==(const TFileStamp&) const = default;
};
// The stamp of the file at path, links followed; false when there is none
// (the path cannot be examined), without recording a failure.
bool GetFileStamp(const std::string& path, TFileStamp& stamp);

// 100-nanosecond units since 1 January 1601 UTC: the file time of the
// program's stored data.
using TFileTime = int64_t;
// The file time as a date-time value, local time unless toLocalTime is
// false. Fails with "Failed to convert time." and gives 0 for a negative
// time or one the system cannot represent.
TDateTime ConvertFileTime(TFileTime fileTime, bool toLocalTime = true);
