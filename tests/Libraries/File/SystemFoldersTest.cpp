#include "Libraries/File/SystemFolders.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "Libraries/File/FileOperations.h"
#include "Libraries/File/UninstallEntry.h"
#include "support/TestHome.h"

namespace {

TEST(GetSystemDirectoryPath, TheFolderIsMadeAndAnUnknownKindHasNone) {
  TTestHome home;
  GetSystemDirectoryPath(kFolderProgramFiles);
  EXPECT_TRUE(FileExists(home.File(".local/opt")));
  EXPECT_EQ(GetSystemDirectoryPath(5), "");
}

TEST(GetSystemDirectoryPath, TheDesktopFollowsTheUserDirectories) {
  TTestHome home;
  ASSERT_TRUE(std::filesystem::create_directories(home.File(".config")));
  home.Write(".config/user-dirs.dirs",
             "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\nXDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n");
  EXPECT_EQ(GetSystemDirectoryPath(kFolderDesktop), home.File("Schreibtisch/"));
  home.Write(".config/user-dirs.dirs", "XDG_DESKTOP_DIR=\"relative\"\n");
  EXPECT_EQ(GetSystemDirectoryPath(kFolderDesktop), home.File("Desktop/"));
}

TEST(UninstallEntry, IsWrittenAndRemovedByAPlainKeyOnly) {
  TTestHome home;
  SetUninstallRegistry("Glyphmason", "Glyphmason", "/opt/Glyphmason/Glyphmason /Uninstall");
  const std::string record = ".local/share/uninstall/Glyphmason.uninstall";
  EXPECT_TRUE(FileExists(home.File(record)));  // its text: the installer's golden record
  DeleteUninstallerRegistry("Glyphmason");
  EXPECT_FALSE(FileExists(home.File(record)));
  SetUninstallRegistry("../../Glyphmason", "x", "y");
  EXPECT_EQ(UninstallEntryPath(".hidden"), "");
  EXPECT_FALSE(FileExists(home.File(".local/Glyphmason.uninstall")));
}

}  // namespace
