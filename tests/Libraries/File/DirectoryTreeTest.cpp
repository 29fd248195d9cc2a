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
  struct stat status {};
  return ::lstat(path.c_str(), &status) == 0 && S_ISLNK(status.st_mode);
}

// A program folder as the installer finds it.
struct TSourceTree : TTempFolder {
  TSourceTree() {
    Write("Install", "program");
    Write("Readme.txt", "read me");
    Write(".hidden", "secret");
    ::mkdir(File("GlyphmasonDictionaries").c_str(), 0755);
    Write("GlyphmasonDictionaries/English.gmd", "dictionary");
    Write("GlyphmasonDictionaries/.cache", "cache");
    ::mkdir(File(".git").c_str(), 0755);
    Write(".git/config", "");
  }
};

TEST(CopyDeleteDirectory, CopiesTheTreeWithoutHiddenFiles) {
  TSourceTree source;
  TTempFolder target;
  const std::string destination = target.File("Glyphmason");
  CopyDeleteDirectory(source.Path(), destination);
  EXPECT_FALSE(GlobalFunStat.Failed());
  EXPECT_EQ(target.Read("Glyphmason/Install"), "program");
  EXPECT_EQ(target.Read("Glyphmason/GlyphmasonDictionaries/English.gmd"), "dictionary");
  EXPECT_FALSE(FileExists(destination + "/.hidden"));
  EXPECT_FALSE(FileExists(destination + "/GlyphmasonDictionaries/.cache"));
  EXPECT_FALSE(FileExists(destination + "/.git"));
}

TEST(CopyDeleteDirectory, ReplacesReadOnlyFilesAndKeepsWhatOnlyTheDestinationHas) {
  TSourceTree source;
  source.Write("Glyphmason.ini", "options of the unpacked folder");
  TTempFolder target;
  ::mkdir(target.File("Glyphmason").c_str(), 0755);
  const std::string oldReadme = target.Write("Glyphmason/Readme.txt", "old");
  ::chmod(oldReadme.c_str(), 0444);
  target.Write("Glyphmason/Glyphmason.ini", "the player's options");
  target.Write("Glyphmason/Errors.log", "log");
  CopyDeleteDirectory(source.Path(), target.File("Glyphmason"), "Glyphmason.ini");
  EXPECT_FALSE(GlobalFunStat.Failed());
  EXPECT_EQ(target.Read("Glyphmason/Readme.txt"), "read me");
  EXPECT_EQ(target.Read("Glyphmason/Glyphmason.ini"), "the player's options");
  EXPECT_EQ(target.Read("Glyphmason/Errors.log"), "log");
}

TEST(CopyDeleteDirectory, CopiesLinksAsLinksWithoutFollowingThem) {
  TSourceTree source;
  TTempFolder outside;
  outside.Write("big", "not to be copied");
  ASSERT_EQ(::symlink(outside.Path().c_str(), source.File("toOutside").c_str()), 0);
  ASSERT_EQ(::symlink(source.Path().c_str(), source.File("loop").c_str()), 0);
  TTempFolder target;
  CopyDeleteDirectory(source.Path(), target.File("Glyphmason"));
  EXPECT_TRUE(IsLink(target.File("Glyphmason/toOutside")));
  EXPECT_TRUE(IsLink(target.File("Glyphmason/loop")));
}

TEST(CopyDeleteDirectory, FailuresShowThePlainBoxAndRecordTheCause) {
  TSourceTree source;
  {
    TFakeMessageBoxes boxes;
    boxes.Answer(kIdOk);
    CopyDeleteDirectory(source.Path(), "");
    EXPECT_EQ(GlobalFunStat.Description, "Empty destination name.");
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_EQ(boxes.Shown[0].Caption, "Error");
    EXPECT_EQ(boxes.Shown[0].Text, "Failed to process directory.");
  }
  {
    TFakeMessageBoxes boxes;
    boxes.Answer(kIdCancel);
    TTempFolder target;
    CopyDeleteDirectory(source.File("missing"), target.File("copy"));
    EXPECT_EQ(GlobalFunStat.Description, "Failed to find first file.");
    EXPECT_EQ(GlobalFunStat.Parameter1, source.File("missing"));
    EXPECT_EQ(boxes.Shown.size(), 1u);
  }
  {
    // Installing a folder into itself would copy its own copy without end.
    TFakeMessageBoxes boxes;
    boxes.Answer(kIdOk);
    CopyDeleteDirectory(source.Path(), source.File("Glyphmason"));
    EXPECT_TRUE(GlobalFunStat.Failed());
    EXPECT_FALSE(FileExists(source.File("Glyphmason")));
  }
  GlobalFunStat.Reset(fsPerfect);
}

TEST(DeleteDirectoryNoErrors, DeletesTheWholeTreeEvenReadOnlyParts) {
  TTempFolder folder;
  TSourceTree tree;
  ::chmod(tree.File("GlyphmasonDictionaries/English.gmd").c_str(), 0444);
  ::chmod(tree.File("GlyphmasonDictionaries").c_str(), 0555);
  DeleteDirectoryNoErrors(tree.Path());
  EXPECT_FALSE(GlobalFunStat.Failed());
  EXPECT_FALSE(FileExists(tree.Path()));
}

TEST(DeleteDirectoryNoErrors, RemovesLinksButNeverTheirTargets) {
  TTempFolder outside;
  outside.Write("keep.txt", "precious");
  TSourceTree tree;
  ASSERT_EQ(::symlink(outside.Path().c_str(), tree.File("GlyphmasonDictionaries/home").c_str()), 0);
  ASSERT_EQ(::symlink(outside.File("keep.txt").c_str(), tree.File("file-link").c_str()), 0);
  DeleteDirectoryNoErrors(tree.Path());
  EXPECT_FALSE(FileExists(tree.Path()));
  EXPECT_EQ(outside.Read("keep.txt"), "precious");

  // A directory named by a link loses the link only.
  TTempFolder links;
  ASSERT_EQ(::symlink(outside.Path().c_str(), links.File("installed").c_str()), 0);
  DeleteDirectoryNoErrors(links.File("installed") + "/");
  EXPECT_FALSE(IsLink(links.File("installed")));
  EXPECT_EQ(outside.Read("keep.txt"), "precious");
}

TEST(DeleteDirectoryNoErrors, AMissingDirectoryIsReported) {
  TTempFolder folder;
  DeleteDirectoryNoErrors(folder.File("missing/"));
  ASSERT_TRUE(GlobalFunStat.Failed());
  EXPECT_EQ(GlobalFunStat.Description, "Can not find directory.");
  EXPECT_EQ(GlobalFunStat.Parameter1, folder.File("missing/"));
  GlobalFunStat.Reset(fsPerfect);
}

}  // namespace
