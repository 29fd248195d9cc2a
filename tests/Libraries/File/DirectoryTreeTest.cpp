#include "Libraries/File/DirectoryTree.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "Libraries/Error/FunStatContext.h"
#include "Libraries/File/FileOperations.h"
#include "support/FakeMessageBoxes.h"
#include "support/TestFolders.h"

namespace {

bool IsLink(const std::string& path) {
  return S_ISLNK(FileModeOf(path));
}

// A program folder as the installer finds it, with hidden files in it.
struct TSourceTree : TTempFolder {
  TSourceTree() {
    Write("Readme.txt", "read me");
    Write(".hidden", "secret");
    ::mkdir(File("GlyphmasonDictionaries").c_str(), 0755);
    Write("GlyphmasonDictionaries/English.gmd", "dictionary");
    Write("GlyphmasonDictionaries/.cache", "cache");
  }
};

TEST(CopyDeleteDirectory, CopiesOverReadOnlyFilesWithoutHiddenOnesOrLinkTargets) {
  TSourceTree source;
  source.Write("Glyphmason.ini", "options of the unpacked folder");
  TTempFolder outside;
  ASSERT_EQ(::symlink(outside.Path().c_str(), source.File("toOutside").c_str()), 0);
  ASSERT_EQ(::symlink(source.Path().c_str(), source.File("loop").c_str()), 0);
  TTempFolder target;
  ::mkdir(target.File("Glyphmason").c_str(), 0755);
  ::chmod(target.Write("Glyphmason/Readme.txt", "old").c_str(), 0444);
  target.Write("Glyphmason/Glyphmason.ini", "the player's options");
  CopyDeleteDirectory(source.Path(), target.File("Glyphmason"), {"Glyphmason.ini"});
  EXPECT_FALSE(GlobalFunStat.Failed());
  EXPECT_EQ(target.Read("Glyphmason/Readme.txt"), "read me");
  EXPECT_EQ(target.Read("Glyphmason/GlyphmasonDictionaries/English.gmd"), "dictionary");
  EXPECT_EQ(target.Read("Glyphmason/Glyphmason.ini"), "the player's options");
  EXPECT_FALSE(FileExists(target.File("Glyphmason/.hidden")));
  EXPECT_FALSE(FileExists(target.File("Glyphmason/GlyphmasonDictionaries/.cache")));
  EXPECT_TRUE(IsLink(target.File("Glyphmason/toOutside")));
  EXPECT_TRUE(IsLink(target.File("Glyphmason/loop")));
}

TEST(CopyDeleteDirectory, FailuresAskTheCallerAndRecordTheCause) {
  TSourceTree source;
  TFakeMessageBoxes boxes;  // the copy shows no box of its own
  std::vector<std::string> asked;
  const auto ask = [&asked](const std::string& text) { asked.push_back(text); };
  CopyDeleteDirectory(source.Path(), "", {}, ask);
  EXPECT_EQ(GlobalFunStat.Description, "Empty destination name.");
  // A folder copied into itself would copy its own copy without end.
  CopyDeleteDirectory(source.Path(), source.File("Glyphmason"), {}, ask);
  EXPECT_TRUE(GlobalFunStat.Failed());
  EXPECT_FALSE(FileExists(source.File("Glyphmason")));
  EXPECT_EQ(asked, std::vector<std::string>(2, "Failed to process directory."));
  EXPECT_TRUE(boxes.Shown.empty());
  GlobalFunStat.Reset(fsPerfect);
}

TEST(DeleteDirectoryNoErrors, DeletesTheTreeAndLinksButNeverLinkTargetsAndReportsAMissingTree) {
  TTempFolder outside;
  outside.Write("keep.txt", "precious");
  TSourceTree tree;
  ASSERT_EQ(::symlink(outside.Path().c_str(), tree.File("GlyphmasonDictionaries/home").c_str()), 0);
  ::chmod(tree.File("GlyphmasonDictionaries").c_str(), 0555);
  ASSERT_EQ(::symlink(outside.File("keep.txt").c_str(), tree.File("file-link").c_str()), 0);
  DeleteDirectoryNoErrors(tree.Path());
  EXPECT_FALSE(GlobalFunStat.Failed());
  EXPECT_FALSE(FileExists(tree.Path()));
  // A directory named by a link loses the link only.
  ASSERT_EQ(::symlink(outside.Path().c_str(), outside.File("installed").c_str()), 0);
  DeleteDirectoryNoErrors(outside.File("installed/"));
  EXPECT_FALSE(IsLink(outside.File("installed")));
  EXPECT_EQ(outside.Read("keep.txt"), "precious");
  DeleteDirectoryNoErrors(outside.File("missing/"));
  ASSERT_TRUE(GlobalFunStat.Failed());
  EXPECT_EQ(GlobalFunStat.Description, "Can not find directory.");
  EXPECT_EQ(GlobalFunStat.Parameter1, outside.File("missing/"));
  GlobalFunStat.Reset(fsPerfect);
}

}  // namespace
