#include "Libraries/File/FileInfo.h"

#include <fcntl.h>
#include <unistd.h>

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
  ::close(file);
}

TEST(ConvertFileTime, FileTimesBecomeDateTimeValues) {
  // 2006-01-06 12:30:15.250 UTC.
  const TFileTime release = (int64_t{1136550615} + 11644473600) * 10000000 + 2500000;
  EXPECT_NEAR(ConvertFileTime(release, false),
              EncodeDate(2006, 1, 6) + EncodeTime(12, 30, 15, 250), 1e-9);
  EXPECT_EQ(ConvertFileTime(-1), 0);
  EXPECT_EQ(GlobalFunStat.Description, "Failed to convert time.");
  GlobalFunStat.Reset(fsPerfect);
}

}  // namespace
