#include "Libraries/File/FileInfo.h"

#include <fcntl.h>
#include <unistd.h>

#include <cmath>

#include <gtest/gtest.h>

#include "Libraries/Error/FunStatContext.h"
#include "support/TestFolders.h"

namespace {

TEST(GetFileSize, AFileOfFourGibibytesAndMoreHasItsFullSize) {
  TTempFolder folder;
  const int file = ::open(folder.File("big").c_str(), O_RDWR | O_CREAT, 0644);
  ASSERT_GE(file, 0);
  const int64_t size = (int64_t{1} << 32) + 5;  // sparse: takes no room on the disk
  ASSERT_EQ(::ftruncate(file, size), 0);
  EXPECT_EQ(GetFileSize(file), size);
  EXPECT_FALSE(GlobalFunStat.Failed());
  ::close(file);
}

TEST(GetFileSize, AClosedFileGivesZeroWithAWarning) {
  EXPECT_EQ(GetFileSize(-1), 0);
  EXPECT_EQ(GlobalFunStat.Status, fsWarning);
  EXPECT_EQ(GlobalFunStat.Description, "Failed to get file size.");
  GlobalFunStat.Reset(fsPerfect);
}

TEST(ConvertFileTime, FileTimesBecomeDateTimeValues) {
  // 2006-01-06 12:30:15.250 UTC.
  const TFileTime release = (int64_t{1136550615} + 11644473600) * 10000000 + 2500000;
  const TDateTime expected = EncodeDate(2006, 1, 6) + EncodeTime(12, 30, 15, 250);
  EXPECT_NEAR(ConvertFileTime(release, false), expected, 1e-9);
  // Local time differs from UTC by whole quarter hours at most 26 hours.
  const double offsetHours = (ConvertFileTime(release) - expected) * 24;
  EXPECT_LE(std::abs(offsetHours), 26);
  EXPECT_NEAR(offsetHours * 4, std::round(offsetHours * 4), 1e-6);
  // The zero file time lies before day 0: the time of day still counts forward.
  EXPECT_NEAR(ConvertFileTime(0, false), EncodeDate(1601, 1, 1), 1e-9);
  EXPECT_FALSE(GlobalFunStat.Failed());
}

TEST(ConvertFileTime, ANegativeTimeFails) {
  EXPECT_EQ(ConvertFileTime(-1), 0);
  EXPECT_EQ(GlobalFunStat.Description, "Failed to convert time.");
  GlobalFunStat.Reset(fsPerfect);
}

}  // namespace
