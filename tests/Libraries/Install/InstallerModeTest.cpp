#include "Libraries/Install/InstallerMode.h"

#include <gtest/gtest.h>

#include "support/TestCommandLine.h"

namespace {

bool InstallerModeFor(std::vector<std::string> commandLine) {
  const TTestCommandLine started(std::move(commandLine));
  return IsInstallerMode();
}

TEST(IsInstallerMode, TheInstallerNameOrTheUninstallArgumentInAnyCase) {
  for (const char* name : {"Install", "INSTALL", "install.Exe"}) {
    EXPECT_TRUE(InstallerModeFor({std::string("/tmp/Glyphmason/") + name})) << name;
  }
  for (const char* name : {"Installer", "Install.sh", "Glyphmason"}) {
    EXPECT_FALSE(InstallerModeFor({std::string("/tmp/Install/") + name})) << name;
  }
  EXPECT_TRUE(InstallerModeFor({"/opt/Glyphmason/Glyphmason", "/UNINSTALL"}));
  EXPECT_FALSE(InstallerModeFor({"/opt/Glyphmason/Glyphmason", "Uninstall"}));
  EXPECT_FALSE(InstallerModeFor({"/opt/Glyphmason/Glyphmason", "x", "/Uninstall"}));
}

}  // namespace
