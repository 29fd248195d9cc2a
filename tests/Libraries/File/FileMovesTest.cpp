#include "Libraries/File/FileMoves.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "Libraries/Error/FunStatContext.h"
#include "Libraries/File/FileOperations.h"
#include "Libraries/File/FullPath.h"
#include "support/TestFolders.h"

namespace {

mode_t ModeOf(const std::string& path) {
  struct stat status {};
  ::stat(path.c_str(), &status);
  return status.st_mode & 0777;
}

TEST(MyRenameFile, OverwriteReplacesAReadOnlyFile) {
  TTempFolder folder;
  const std::string source = folder.Write("new.ini", "new");
  const std::string target = folder.Write("old.ini", "old");
  ::chmod(target.c_str(), 0444);
  MyRenameFile(source, target, true);
  EXPECT_FALSE(GlobalFunStat.Failed());
  EXPECT_EQ(folder.Read("old.ini"), "new");
  EXPECT_FALSE(FileExists(source));
}

TEST(MyRenameFile, RenamingOntoItselfKeepsTheFile) {
  TTempFolder folder;
  const std::string file = folder.Write("Glyphmason", "program");
  MyRenameFile(file, folder.Path() + "./Glyphmason", true);
  EXPECT_FALSE(GlobalFunStat.Failed());
  EXPECT_EQ(folder.Read("Glyphmason"), "program");
}

TEST(MyRenameFile, WithoutOverwriteAnExistingFileStays) {
  TTempFolder folder;
  const std::string source = folder.Write("a.txt", "a");
  const std::string target = folder.Write("b.txt", "b");
  MyRenameFile(source, target, false);
  ASSERT_TRUE(GlobalFunStat.Failed());
  EXPECT_EQ(GlobalFunStat.Description, "Failed to rename.");
  EXPECT_EQ(GlobalFunStat.Parameter1, source);
  EXPECT_EQ(GlobalFunStat.Parameter2, target);
  EXPECT_EQ(folder.Read("a.txt"), "a");
  EXPECT_EQ(folder.Read("b.txt"), "b");
  GlobalFunStat.Reset(fsPerfect);
}

TEST(MyRenameFile, MissingSourceFailsWithBothNames) {
  TTempFolder folder;
  MyRenameFile(folder.File("Install"), folder.File("Glyphmason"), true);
  ASSERT_TRUE(GlobalFunStat.Failed());
  EXPECT_EQ(GlobalFunStat.Function, "MyRenameFile");
  EXPECT_EQ(GlobalFunStat.Parameter1, folder.File("Install"));
  EXPECT_NE(GlobalFunStat.SystemErrorCode, 0);
  GlobalFunStat.Reset(fsPerfect);
}

TEST(CopyFileReplacing, CopiesBytesAndPermissionsOverAReadOnlyFile) {
  TTempFolder folder;
  const std::string source = folder.Write("Install", std::string("\x7f" "ELF\0data", 9));
  ::chmod(source.c_str(), 0755);
  const std::string target = folder.Write("Glyphmason", "old");
  ::chmod(target.c_str(), 0444);
  ASSERT_TRUE(CopyFileReplacing(source, target));
  EXPECT_EQ(folder.Read("Glyphmason"), std::string("\x7f" "ELF\0data", 9));
  EXPECT_EQ(ModeOf(target), 0755u);
}

TEST(CopyFileReplacing, AFolderIsNoFileToCopy) {
  TTempFolder folder;
  EXPECT_FALSE(CopyFileReplacing(folder.Path(), folder.File("copy")));
  EXPECT_FALSE(FileExists(folder.File("copy")));
}

TEST(ForceDirectories, MakesMissingParents) {
  TTempFolder folder;
  EXPECT_TRUE(ForceDirectories(folder.File("a/b/c/")));
  EXPECT_TRUE(FileExists(folder.File("a/b/c")));
  EXPECT_TRUE(ForceDirectories(folder.File("a/b")));
  folder.Write("plain", "");
  EXPECT_FALSE(ForceDirectories(folder.File("plain/sub")));
}

TEST(FullPath, RelativePathsBecomeAbsoluteAndSameFilesAreFound) {
  EXPECT_EQ(FullLongPath(""), "");
  EXPECT_EQ(FullLongPath("/opt/x/../Glyphmason/./Install"), "/opt/Glyphmason/Install");
  EXPECT_EQ(FullLongPath("rel").front(), '/');
  TTempFolder folder;
  const std::string file = folder.Write("File", "");
  EXPECT_TRUE(IsSameFile(file, folder.Path() + "sub/../File"));
  EXPECT_FALSE(IsSameFile(file, folder.File("file")));  // letter case matters here
  EXPECT_TRUE(IsSameFile(folder.File("a*?"), folder.File("a*?")));
}

}  // namespace
