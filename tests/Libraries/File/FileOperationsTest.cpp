#include "Libraries/File/FileOperations.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "Libraries/File/PathText.h"
#include "support/TestFolders.h"

namespace {

mode_t ModeOf(const std::string& path) {
  struct stat status {};
  ::stat(path.c_str(), &status);
  return status.st_mode & 07777;
}

TEST(FileExists, SeesFilesAndFoldersButNotEmptyText) {
  TTempFolder folder;
  EXPECT_TRUE(FileExists(folder.Write("a.txt", "a")));
  EXPECT_TRUE(FileExists(folder.Path()));
  EXPECT_FALSE(FileExists(folder.File("b.txt")));
  EXPECT_FALSE(FileExists(""));
}

TEST(ClearReadOnly, MakesAReadOnlyFileWritableAndKeepsTheOtherPermissions) {
  TTempFolder folder;
  const std::string path = folder.Write("a.txt", "a");
  ::chmod(path.c_str(), 0444);
  EXPECT_TRUE(IsReadOnly(path));
  ClearReadOnly(path);
  EXPECT_FALSE(IsReadOnly(path));
  EXPECT_EQ(ModeOf(path), 0644u);
  ClearReadOnly(folder.File("missing.txt"));
  EXPECT_FALSE(IsReadOnly(folder.File("missing.txt")));
}

TEST(PathWithoutExtension, DropsOnlyAnExtensionOfTheNamePart) {
  EXPECT_EQ(PathWithoutExtension("English.gmd"), "English");
  EXPECT_EQ(PathWithoutExtension("a.b.gmd"), "a.b");
  EXPECT_EQ(PathWithoutExtension("dir.d/English"), "dir.d/English");
  EXPECT_EQ(PathWithoutExtension("English"), "English");
  EXPECT_EQ(PathWithoutExtension(""), "");
}

TEST(IsContainedRelativePath, RefusesAbsolutePathsDrivesAndClimbing) {
  EXPECT_TRUE(IsContainedRelativePath("English"));
  EXPECT_TRUE(IsContainedRelativePath("Lists/English"));
  EXPECT_TRUE(IsContainedRelativePath("a..b/..c"));
  EXPECT_FALSE(IsContainedRelativePath(""));
  EXPECT_FALSE(IsContainedRelativePath("/etc/passwd"));
  EXPECT_FALSE(IsContainedRelativePath("\\Windows\\win"));
  EXPECT_FALSE(IsContainedRelativePath("C:words"));
  EXPECT_FALSE(IsContainedRelativePath(".."));
  EXPECT_FALSE(IsContainedRelativePath("../Glyphmason"));
  EXPECT_FALSE(IsContainedRelativePath("Lists/../../x"));
  EXPECT_FALSE(IsContainedRelativePath("Lists\\..\\..\\x"));
  EXPECT_FALSE(IsContainedRelativePath("Lists/.."));
}

TEST(IsPlainFileName, RefusesFoldersAndSeparators) {
  EXPECT_TRUE(IsPlainFileName("English.gmd"));
  EXPECT_TRUE(IsPlainFileName("..gmd"));
  EXPECT_FALSE(IsPlainFileName(""));
  EXPECT_FALSE(IsPlainFileName("."));
  EXPECT_FALSE(IsPlainFileName(".."));
  EXPECT_FALSE(IsPlainFileName("sub/English.gmd"));
  EXPECT_FALSE(IsPlainFileName("..\\English.gmd"));
  EXPECT_FALSE(IsPlainFileName("C:English.gmd"));
}

}  // namespace
