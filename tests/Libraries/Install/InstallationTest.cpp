#include "Libraries/Install/Installation.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "Libraries/Error/FunStatContext.h"
#include "Libraries/File/FileOperations.h"
#include "Libraries/OperatingSystem/OperatingSystem.h"
#include "support/ErrorRecorder.h"
#include "support/FakeMessageBoxes.h"
#include "support/TestHome.h"

namespace {

::testing::AssertionResult Holds(const std::string& text, const std::string& part) {
  if (text.find(part) != std::string::npos) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << "\"" << part << "\" is not in:\n" << text;
}

constexpr const char* kInstallFailed =
    "Failed to install program. Check to see if you have rights to write in the installation "
    "directory.";

bool IsExecutable(const std::string& path) { return ::access(path.c_str(), X_OK) == 0; }

// A home folder and an unpacked program folder "Glyphmason" that the running
// installer lies in, as a download leaves it.
class TInstallScene {
 public:
  TInstallScene() : Saved(Os::CommandLine()) {
    Source = Downloads.File("Glyphmason/");
    std::filesystem::create_directories(Source + "GlyphmasonDictionaries");
    // A real program that starts and ends at once stands in for the game.
    std::filesystem::copy_file("/usr/bin/true", Source + "Install");
    Downloads.Write("Glyphmason/Readme.txt", "read me");
    Downloads.Write("Glyphmason/.hidden", "not shipped");
    Downloads.Write("Glyphmason/GlyphmasonDictionaries/English.gmd", "dictionary");
    RunFrom({Source + "Install"});
  }
  ~TInstallScene() { Os::SetCommandLineForTesting(Saved); }

  void RunFrom(std::vector<std::string> commandLine) {
    Os::SetCommandLineForTesting(std::move(commandLine));
  }

  TTestHome Home;
  TTempFolder Downloads;
  std::string Source;
  std::string Target = Home.File("Games/");
  std::string Installed = Target + "Glyphmason/";

 private:
  std::vector<std::string> Saved;
};

void InstallAnswering(int answer, TInstallScene& scene) {
  TFakeMessageBoxes boxes;
  boxes.Answer(answer);
  InstallProgram("Glyphmason", scene.Target);
  ASSERT_EQ(boxes.Shown.size(), 1u);
  EXPECT_EQ(boxes.Shown[0].Text,
            "Install the program in directory \"" + scene.Target + "Glyphmason\"?");
}

TEST(Install, CopiesTheFolderAndMakesEntriesAndTheRecord) {
  TInstallScene scene;
  TErrorRecorder errors;
  InstallAnswering(kIdYes, scene);
  EXPECT_TRUE(errors.Shown.empty());

  const std::string program = scene.Installed + "Glyphmason";
  EXPECT_TRUE(IsExecutable(program));
  EXPECT_FALSE(FileExists(scene.Installed + "Install"));
  EXPECT_EQ(scene.Home.Read("Games/Glyphmason/GlyphmasonDictionaries/English.gmd"), "dictionary");
  EXPECT_FALSE(FileExists(scene.Installed + ".hidden"));

  const std::string desktop = scene.Home.Read("Desktop/Glyphmason.desktop");
  EXPECT_TRUE(Holds(desktop, "\nExec=" + program + "\n"));
  EXPECT_TRUE(Holds(desktop, "\nPath=" + scene.Installed + "\n"));
  const std::string menu = ".local/share/applications/Glyphmason/";
  EXPECT_TRUE(Holds(scene.Home.Read(menu + "Glyphmason.desktop"), "\nExec=" + program + "\n"));
  EXPECT_TRUE(Holds(scene.Home.Read(menu + "Uninstall.desktop"), "\nExec=" + program + " /Uninstall\n"));
  EXPECT_TRUE(Holds(scene.Home.Read(menu + "Readme.desktop"), " " + scene.Installed + "Readme.txt\n"));
  EXPECT_TRUE(Holds(scene.Home.Read(".local/share/uninstall/Glyphmason.uninstall"), "\nDisplayName=Glyphmason\nUninstallString=" + program + " /Uninstall\n"));
}

TEST(Install, AgainReplacesTheProgramAndKeepsTheOptions) {
  TInstallScene scene;
  TErrorRecorder errors;
  std::filesystem::create_directories(scene.Installed + "GlyphmasonGames");
  scene.Home.Write("Games/Glyphmason/Glyphmason", "the old program");
  scene.Home.Write("Games/Glyphmason/Glyphmason.ini", "the player's options");
  scene.Home.Write("Games/Glyphmason/GlyphmasonGames/Saved.gmg", "a saved game");
  scene.Downloads.Write("Glyphmason/Glyphmason.ini", "options of a trial run");
  scene.Home.Write("Desktop/Glyphmason.desktop", "old entry");
  InstallAnswering(kIdYes, scene);
  EXPECT_TRUE(errors.Shown.empty());
  EXPECT_NE(scene.Home.Read("Games/Glyphmason/Glyphmason"), "the old program");
  EXPECT_EQ(scene.Home.Read("Games/Glyphmason/Glyphmason.ini"), "the player's options");
  EXPECT_EQ(scene.Home.Read("Games/Glyphmason/GlyphmasonGames/Saved.gmg"), "a saved game");
  EXPECT_NE(scene.Home.Read("Desktop/Glyphmason.desktop"), "old entry");
}

TEST(Install, DecliningOrNoTargetCopiesNothing) {
  TInstallScene scene;
  TErrorRecorder errors;
  InstallAnswering(kIdNo, scene);
  EXPECT_FALSE(FileExists(scene.Installed));
  EXPECT_TRUE(errors.Shown.empty());

  TFakeMessageBoxes boxes;
  InstallProgram("Glyphmason", "");
  EXPECT_TRUE(boxes.Shown.empty());
  ASSERT_EQ(errors.Shown.size(), 1u);
  EXPECT_EQ(errors.Shown[0].Message, kInstallFailed);
  EXPECT_TRUE(Holds(errors.Shown[0].Report, "\"Installation directory is empty.\""));
  EXPECT_FALSE(GlobalFunStat.Failed());
}

TEST(Install, AFailedRenameStopsBeforeAnyEntry) {
  TInstallScene scene;
  TErrorRecorder errors;
  scene.RunFrom({scene.Source + "INSTALL"});  // no file of that name to rename
  InstallAnswering(kIdYes, scene);
  ASSERT_EQ(errors.Shown.size(), 1u);
  EXPECT_EQ(errors.Shown[0].Message, kInstallFailed);
  EXPECT_TRUE(Holds(errors.Shown[0].Report, "\"Failed to rename.\""));
  EXPECT_TRUE(Holds(errors.Shown[0].Report, scene.Installed + "INSTALL"));
  EXPECT_FALSE(FileExists(scene.Home.File("Desktop/Glyphmason.desktop")));
  EXPECT_FALSE(FileExists(scene.Home.File(".local/share/uninstall/Glyphmason.uninstall")));
}

TEST(Uninstall, RemovesTheFolderTheEntriesAndTheRecord) {
  TInstallScene scene;
  TErrorRecorder errors;
  InstallAnswering(kIdYes, scene);
  scene.Home.Write(".config/autostart/Glyphmason.desktop", "start at log-in");
  scene.Home.Write("Desktop/Other.desktop", "someone else's");

  scene.RunFrom({scene.Installed + "Glyphmason", "/uninstall"});
  TFakeMessageBoxes boxes;
  boxes.Answer(kIdYes);
  UninstallProgram("Glyphmason", scene.Installed);
  EXPECT_TRUE(errors.Shown.empty());
  ASSERT_EQ(boxes.Shown.size(), 2u);
  EXPECT_EQ(boxes.Shown[0].Text,
            "Delete directory \"" + scene.Installed + "\" (and all contained files)?");
  EXPECT_EQ(boxes.Shown[1].Text,
            "Uninstallation successful. Some files that were in use were not deleted.");
  EXPECT_FALSE(FileExists(scene.Installed));
  EXPECT_TRUE(FileExists(scene.Target));
  EXPECT_FALSE(FileExists(scene.Home.File("Desktop/Glyphmason.desktop")));
  EXPECT_FALSE(FileExists(scene.Home.File(".local/share/applications/Glyphmason")));
  EXPECT_FALSE(FileExists(scene.Home.File(".config/autostart/Glyphmason.desktop")));
  EXPECT_FALSE(FileExists(scene.Home.File(".local/share/uninstall/Glyphmason.uninstall")));
  EXPECT_TRUE(FileExists(scene.Home.File("Desktop/Other.desktop")));
  EXPECT_TRUE(FileExists(scene.Home.File(".local/share/applications")));
}

TEST(Uninstall, DecliningKeepsEverything) {
  TInstallScene scene;
  TErrorRecorder errors;
  InstallAnswering(kIdYes, scene);
  scene.RunFrom({scene.Installed + "Glyphmason", "/Uninstall"});
  TFakeMessageBoxes boxes;
  boxes.Answer(kIdNo);
  UninstallProgram("Glyphmason", scene.Installed);
  EXPECT_EQ(boxes.Shown.size(), 1u);
  EXPECT_TRUE(FileExists(scene.Installed + "Glyphmason"));
  EXPECT_TRUE(FileExists(scene.Home.File("Desktop/Glyphmason.desktop")));
}

TEST(Uninstall, NeverDeletesARootOrTheHomeFolder) {
  TInstallScene scene;
  scene.Home.Write("keep.txt", "precious");
  const std::string homeLink = scene.Downloads.File("home-link");
  ASSERT_EQ(::symlink(scene.Home.Path().c_str(), homeLink.c_str()), 0);
  std::string parentOfHome = scene.Home.Path();
  parentOfHome.pop_back();
  parentOfHome = parentOfHome.substr(0, parentOfHome.rfind('/') + 1);
  for (const std::string& directory :
       {std::string("/"), std::string("//"), scene.Home.Path(), homeLink + "/",
        scene.Home.File("Games/.."), parentOfHome}) {
    TErrorRecorder errors;
    TFakeMessageBoxes boxes;  // no answer queued: a question would fail the test
    scene.RunFrom({directory + "Glyphmason", "/Uninstall"});
    UninstallProgram("Glyphmason", directory);
    EXPECT_TRUE(boxes.Shown.empty()) << directory;
    ASSERT_EQ(errors.Shown.size(), 1u) << directory;
    EXPECT_EQ(errors.Shown[0].Message, "Failed to uninstall program.");
    EXPECT_EQ(scene.Home.Read("keep.txt"), "precious");
  }
  {
    TErrorRecorder errors;
    UninstallProgram("Glyphmason", "");
    ASSERT_EQ(errors.Shown.size(), 1u);
    EXPECT_TRUE(Holds(errors.Shown[0].Report, "\"Uninstallation directory is empty.\""));
  }
  EXPECT_FALSE(IsProtectedFolder(scene.Home.File("Games/Glyphmason/")));
}

}  // namespace
