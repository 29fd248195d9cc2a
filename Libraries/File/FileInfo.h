#pragma once
// A file's size and time stamps in the program's own units.

#include <cstdint>

#include "Libraries/MyTime/MyTime.h"

// The size in bytes of the open file (a descriptor), 64 bits wide. Records
// the warning "Failed to get file size." and gives 0 when it cannot be read.
int64_t GetFileSize(int descriptor);

// 100-nanosecond units since 1 January 1601 UTC: the file time of the
// program's stored data.
using TFileTime = int64_t;
// The file time as a date-time value, local time unless toLocalTime is
// false. Fails with "Failed to convert time." and gives 0 for a negative
// time or one the system cannot represent.
TDateTime ConvertFileTime(TFileTime fileTime, bool toLocalTime = true);
