#include "Libraries/File/FileInfo.h"

#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include <gtest/gtest.h>

#include "Libraries/Error/FunStatContext.h"
#include "support/TestFolders.h"

namespace {

// Long enough for the clock that stamps files to tick on.
constexpr auto kPastFileClockTick = std::chrono::milliseconds(50);

TEST(GetFileSize, AFileOfFourGibibytesAndMoreHasItsFullSize) {
  TTempFolder folder;
  const int file = ::open(folder.File("big").c_str(), O_RDWR | O_CREAT, 0644);
  ASSERT_GE(file, 0);
  const int64_t size = (int64_t{1} << 32) + 5;  // sparse: takes no room on the disk
  ASSERT_EQ(::ftruncate(file, size), 0);
  EXPECT_EQ(GetFileSize(file), size);
  ::close(file);
}

TEST(GetFileStamp, AFileDeletedAndWrittenAgainWithItsOldSizeAndTimeHasAnotherStamp) {
  TTempFolder folder;
  const std::string path = folder.Write("list.txt", "cat\n");
  TFileStamp written;
  ASSERT_TRUE(GetFileStamp(path, written));
  // Taken in the tick the file was written: it proves nothing.
  EXPECT_FALSE(written.Settled);
  std::this_thread::sleep_for(kPastFileClockTick);
  TFileStamp settled;
  ASSERT_TRUE(GetFileStamp(path, settled));
  EXPECT_TRUE(settled.Settled);
  EXPECT_EQ(settled, written);
  std::this_thread::sleep_for(kPastFileClockTick);
  const auto time = std::filesystem::last_write_time(path);
  std::filesystem::remove(path);
  folder.Write("list.txt", "dog\n");
  std::filesystem::last_write_time(path, time);
  TFileStamp rewritten;
  ASSERT_TRUE(GetFileStamp(path, rewritten));
  EXPECT_NE(rewritten, settled);
  // A modification time set ahead keeps the stamp unsettled until it has passed.
  std::filesystem::last_write_time(
      path, std::filesystem::file_time_type::clock::now() + std::chrono::hours(1));
  std::this_thread::sleep_for(kPastFileClockTick);
  ASSERT_TRUE(GetFileStamp(path, rewritten));
  EXPECT_FALSE(rewritten.Settled);
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
