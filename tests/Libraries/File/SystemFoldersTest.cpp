#include "Libraries/File/SystemFolders.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "Libraries/File/FileOperations.h"
#include "Libraries/File/UninstallEntry.h"
#include "support/TestHome.h"

namespace {

TEST(GetSystemDirectoryPath, TheFolderIsMadeTheDesktopFollowsTheUserDirectories) {
  TTestHome home;
  GetSystemDirectoryPath(kFolderProgramFiles);
  EXPECT_TRUE(FileExists(home.File(".local/opt")));
  EXPECT_EQ(GetSystemDirectoryPath(5), "");  // an unknown kind has none
  ASSERT_TRUE(std::filesystem::create_directories(home.File(".config")));
  home.Write(".config/user-dirs.dirs",
             "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\nXDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n");
  EXPECT_EQ(GetSystemDirectoryPath(kFolderDesktop), home.File("Schreibtisch/"));
  home.Write(".config/user-dirs.dirs", "XDG_DESKTOP_DIR=\"relative\"\n");
  EXPECT_EQ(GetSystemDirectoryPath(kFolderDesktop), home.File("Desktop/"));
}

// Written and removed, the record is the installer's tests' concern.
TEST(UninstallEntry, IsWrittenByAPlainKeyOnly) {
  TTestHome home;
  SetUninstallRegistry("../../Glyphmason", "x", "y");
  EXPECT_EQ(UninstallEntryPath(".hidden"), "");
  EXPECT_FALSE(FileExists(home.File(".local/Glyphmason.uninstall")));
}

}  // namespace
