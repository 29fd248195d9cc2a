#include "Libraries/File/FileOperations.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <array>

#include "Libraries/File/PathText.h"
#include "support/TestFolders.h"

namespace {

TEST(ClearReadOnly, MakesAReadOnlyFileWritableAndKeepsTheOtherPermissions) {
  TTempFolder folder;
  const std::string path = folder.Write("a.txt", "a");
  ::chmod(path.c_str(), 0444);
  EXPECT_TRUE(IsReadOnly(path));
  ClearReadOnly(path);
  EXPECT_EQ(FileModeOf(path) & 07777, 0644u);
  EXPECT_FALSE(FileExists(""));
}

TEST(PathText, SplitsAtTheLastSeparatorAndAddsOneOnlyToNonEmptyPaths) {
  for (const auto& [path, directory, name] :
       {std::array<const char*, 3>{"/opt/Glyphmason/Glyphmason", "/opt/Glyphmason/", "Glyphmason"},
        {"Glyphmason", "", "Glyphmason"}, {"/opt/", "/opt/", ""}}) {
    EXPECT_EQ(DirectoryOfPath(path), directory) << path;
    EXPECT_EQ(NameOfPath(path), name) << path;
  }
  EXPECT_EQ(IncludeSlashIfNotEmpty(""), "");
  EXPECT_EQ(IncludeSlashIfNotEmpty("/opt"), "/opt/");
  EXPECT_EQ(IncludeSlashIfNotEmpty("/opt/"), "/opt/");
}

TEST(PathText, ExtensionsAndNamesThatStayInsideTheirFolder) {
  EXPECT_EQ(PathWithoutExtension("a.b.gmd"), "a.b");
  EXPECT_EQ(PathWithoutExtension("dir.d/English"), "dir.d/English");
  for (const char* inside : {"English", "Lists/English", "a..b/..c"}) {
    EXPECT_TRUE(IsContainedRelativePath(inside)) << inside;
  }
  for (const char* outside : {"", "/etc/passwd", "\\Windows", "C:words", "..", "Lists/../../x",
                              "Lists\\..\\x", "Lists/.."}) {
    EXPECT_FALSE(IsContainedRelativePath(outside)) << outside;
  }
  EXPECT_TRUE(IsPlainFileName("..gmd"));
  for (const char* notPlain : {"", ".", "..", "sub/English.gmd", "..\\English.gmd", "C:a.gmd"}) {
    EXPECT_FALSE(IsPlainFileName(notPlain)) << notPlain;
  }
}

}  // namespace
