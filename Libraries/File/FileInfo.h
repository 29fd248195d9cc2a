#pragma once
// A file's size and time stamps in the program's own units.

#include <cstdint>
#include <string>

#include "Libraries/MyTime/MyTime.h"

// The size in bytes of the open file (a descriptor), 64 bits wide. Records
// the warning "Failed to get file size." and gives 0 when it cannot be read.
int64_t GetFileSize(int descriptor);

// What tells one state of a file from another without reading it: which
// file it is (device and file number), its size, its modification time and
// the time the file or its entry last changed, which no program can set
// back. A file replaced whole, or written to, gets another stamp once the
// clock that stamps files has ticked on: Settled tells whether it had.
struct TFileStamp {
  uint64_t Device = 0;
  uint64_t FileNumber = 0;
  int64_t Size = -1;
  int64_t ModifiedNanoseconds = 0;
  int64_t ChangedNanoseconds = 0;
  // False when the stamp was taken within one tick of that clock after the
  // file's last change (or its times lie ahead): a change in the same tick
  // may leave every field as it was, so such a stamp never proves a file
  // unchanged and is not to be remembered for that.
  bool Settled = false;
  // The same state of the same file; Settled is no part of the state.
  bool operator==(const TFileStamp& other) const;
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
