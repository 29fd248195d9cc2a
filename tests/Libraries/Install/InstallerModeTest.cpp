#include "Libraries/Install/InstallerMode.h"

#include <gtest/gtest.h>

#include "Libraries/OperatingSystem/OperatingSystem.h"
#include "support/TestFolders.h"

namespace {

bool InstallerModeFor(std::vector<std::string> commandLine) {
  const auto saved = Os::CommandLine();
  Os::SetCommandLineForTesting(std::move(commandLine));
  const bool result = IsInstallerMode();
  Os::SetCommandLineForTesting(saved);
  return result;
}

TEST(IsInstallerMode, TheInstallerNameInAnyCaseInstalls) {
  EXPECT_TRUE(InstallerModeFor({"/tmp/Glyphmason/Install"}));
  EXPECT_TRUE(InstallerModeFor({"/tmp/Glyphmason/INSTALL"}));
  EXPECT_TRUE(InstallerModeFor({"/tmp/Glyphmason/install.Exe"}));
  EXPECT_FALSE(InstallerModeFor({"/tmp/Install/Glyphmason"}));
  EXPECT_FALSE(InstallerModeFor({"/tmp/Glyphmason/Installer"}));
  EXPECT_FALSE(InstallerModeFor({"/tmp/Glyphmason/Install.sh"}));
}

TEST(IsInstallerMode, TheUninstallArgumentInAnyCaseUninstalls) {
  EXPECT_TRUE(InstallerModeFor({"/opt/Glyphmason/Glyphmason", "/Uninstall"}));
  EXPECT_TRUE(InstallerModeFor({"/opt/Glyphmason/Glyphmason", "/UNINSTALL"}));
  EXPECT_FALSE(InstallerModeFor({"/opt/Glyphmason/Glyphmason", "Uninstall"}));
  EXPECT_FALSE(InstallerModeFor({"/opt/Glyphmason/Glyphmason", "x", "/Uninstall"}));
  EXPECT_FALSE(InstallerModeFor({"/opt/Glyphmason/Glyphmason"}));
  EXPECT_TRUE(IsUninstallArgument("/uninstall"));
  EXPECT_FALSE(IsUninstallArgument(""));
}

}  // namespace
