#include "Libraries/File/FileMoves.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "Libraries/Error/FunStatContext.h"
#include "Libraries/File/FileOperations.h"
#include "Libraries/File/FullPath.h"
#include "support/TestFolders.h"

namespace {

TEST(MyRenameFile, AnExistingTargetIsReplacedOnlyWithOverwriteAndKeptOnAFailure) {
  TTempFolder folder;
  const std::string target = folder.Write("Glyphmason", "old");
  ::chmod(target.c_str(), 0444);
  MyRenameFile(folder.Write("Install", "new"), target, true);
  EXPECT_FALSE(GlobalFunStat.Failed());
  EXPECT_EQ(folder.Read("Glyphmason"), "new");
  MyRenameFile(target, folder.Path() + "./Glyphmason", true);
  EXPECT_FALSE(GlobalFunStat.Failed());
  EXPECT_EQ(folder.Read("Glyphmason"), "new");
  // Without overwrite an existing file stays.
  const std::string source = folder.Write("a.txt", "a");
  MyRenameFile(source, folder.Write("b.txt", "b"), false);
  ASSERT_TRUE(GlobalFunStat.Failed());
  EXPECT_EQ(GlobalFunStat.Description, "Failed to rename.");
  EXPECT_EQ(GlobalFunStat.Parameter1 + "|" + GlobalFunStat.Parameter2,
            source + "|" + folder.File("b.txt"));
  EXPECT_EQ(folder.Read("a.txt") + folder.Read("b.txt"), "ab");
  // A failed rename leaves its target intact: the copy that was to replace
  // the program is missing.
  GlobalFunStat.Reset(fsPerfect);
  ::chmod(target.c_str(), 0555);
  MyRenameFile(folder.File("Install"), target, true);
  ASSERT_TRUE(GlobalFunStat.Failed());
  EXPECT_EQ(GlobalFunStat.Description, "Failed to rename.");
  EXPECT_EQ(folder.Read("Glyphmason"), "new");
  EXPECT_EQ(FileModeOf(target) & 07777, 0555u);
  GlobalFunStat.Reset(fsPerfect);
}

TEST(MyRenameFile, ATargetThatIsALinkIsReplacedAndItsTargetLeftAlone) {
  TTempFolder folder;
  TTempFolder elsewhere;
  const std::string outside = elsewhere.Write("Glyphmason", "someone else's");
  ::chmod(outside.c_str(), 0444);
  ASSERT_EQ(::symlink(outside.c_str(), folder.File("Glyphmason").c_str()), 0);
  ClearReadOnly(folder.File("Glyphmason"));
  MyRenameFile(folder.Write("Install", "new"), folder.File("Glyphmason"), true);
  EXPECT_FALSE(GlobalFunStat.Failed());
  EXPECT_EQ(folder.Read("Glyphmason"), "new");
  EXPECT_EQ(FileModeOf(outside) & 07777, 0444u);
  EXPECT_EQ(elsewhere.Read("Glyphmason"), "someone else's");
}

TEST(IsSameFile, FollowsTheFileNotTheSpelling) {
  TTempFolder folder;
  const std::string file = folder.Write("File", "");
  EXPECT_TRUE(IsSameFile(file, folder.Path() + "./File"));
  EXPECT_FALSE(IsSameFile(file, folder.File("file")));  // letter case matters here
  EXPECT_TRUE(IsSameFile(folder.File("a*?"), folder.File("a*?")));
  EXPECT_EQ(FullLongPath("/opt/x/../Glyphmason/./Install"), "/opt/Glyphmason/Install");
}

}  // namespace
