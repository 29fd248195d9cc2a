#include "Libraries/Install/Installation.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "Libraries/Error/FunStatContext.h"
#include "Libraries/File/FileOperations.h"
#include "support/ErrorRecorder.h"
#include "support/FakeMessageBoxes.h"
#include "support/Golden.h"
#include "support/TestCommandLine.h"
#include "support/TestHome.h"

namespace {

constexpr const char* kInstallFailed =
    "Failed to install program. Check to see if you have rights to write in the installation "
    "directory.";

// The last report shown is the install's failure for the cause given.
::testing::AssertionResult InstallFailedFor(const TErrorRecorder& errors,
                                            const std::string& cause) {
  if (!errors.Shown.empty() && errors.Shown.back().Message == kInstallFailed &&
      errors.Shown.back().Report.find("\"" + cause + "\"") != std::string::npos) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << "no install failure for \"" << cause << "\"";
}

// A home folder, and the unpacked program folder "Glyphmason" that the
// running installer lies in, as a download leaves it.
class TInstallScene {
 public:
  TInstallScene() {
    std::filesystem::create_directories(Source + "GlyphmasonDictionaries");
    // A real program that starts and ends at once stands in for the game.
    std::filesystem::copy_file("/usr/bin/true", Source + "Install");
    Downloads.Write("Glyphmason/Readme.txt", "read me");
    RunFrom({Source + "Install"});
  }

  void RunFrom(std::vector<std::string> commandLine) { CommandLine.Set(std::move(commandLine)); }
  // Uninstalls the folder, started as the program in it with the argument.
  void Uninstall(const std::string& folder, const std::string& program = "Glyphmason",
                 const std::string& argument = "/Uninstall") {
    RunFrom({folder + program, argument});
    UninstallProgram("Glyphmason", folder);
  }
  // An entry that starts the command when the player logs in.
  std::string StartAtLogIn(const std::string& command) {
    std::filesystem::create_directories(Home.File(".config/autostart"));
    const std::string entry =
        "[Desktop Entry]\nType=Application\nName=Glyphmason\nExec=" + command + "\n";
    Home.Write(".config/autostart/Glyphmason.desktop", entry);
    return entry;
  }
  // Installs into Target, answering the question; true when it was asked.
  bool Install(int answer) {
    TFakeMessageBoxes boxes;
    boxes.Answer(answer);
    InstallProgram("Glyphmason", Target);
    return boxes.Shown.size() == 1 &&
           boxes.Shown[0].Text == "Install the program in directory \"" + Target + "Glyphmason\"?";
  }

  TTestHome Home;
  TTempFolder Downloads;
  std::string Source = Downloads.File("Glyphmason/");
  std::string Target = Home.File("Games/");
  std::string Installed = Target + "Glyphmason/";
  std::string Program = Installed + "Glyphmason";
  TTestCommandLine CommandLine;
  TErrorRecorder Errors;
};

TEST(Install, ReplacesTheProgramKeepsTheOptionsAndMakesTheEntriesAndTheRecord) {
  TInstallScene scene;
  // Over an earlier installation: its program goes, the player's options stay.
  std::filesystem::create_directories(scene.Installed);
  scene.Home.Write("Games/Glyphmason/Glyphmason", "the old program, not executable");
  scene.Home.Write("Games/Glyphmason/Glyphmason.ini", "the player's options");
  scene.Downloads.Write("Glyphmason/Glyphmason.ini", "options of a trial run");
  scene.Home.Write("Games/Glyphmason/GlyphmasonRecords.ini", "the player's records");
  scene.Downloads.Write("Glyphmason/GlyphmasonRecords.ini", "records of a trial run");
  ASSERT_TRUE(scene.Install(kIdYes));
  EXPECT_EQ(scene.Home.Read("Games/Glyphmason/GlyphmasonRecords.ini"), "the player's records");
  EXPECT_TRUE(scene.Errors.Shown.empty());
  EXPECT_EQ(::access(scene.Program.c_str(), X_OK), 0);
  EXPECT_EQ(scene.Home.Read("Games/Glyphmason/Glyphmason.ini"), "the player's options");

  // Every entry has the installed icon and a name that says what it is in a
  // flat menu; the game's entries are filed under games.
  const std::string menu = ".local/share/applications/Glyphmason/";
  const std::pair<std::string, std::string> made[] = {
      {"Desktop/Glyphmason.desktop", "Desktop.desktop"},
      {menu + "Glyphmason.desktop", "Menu.desktop"},
      {menu + "Uninstall.desktop", "Uninstall.desktop"},
      {menu + "Readme.desktop", "Readme.desktop"},
      {".local/share/uninstall/Glyphmason.uninstall", "Glyphmason.uninstall"}};
  for (const auto& [path, golden] : made) {
    EXPECT_TRUE(MatchesGolden("Install/" + golden,
                              Replaced(scene.Home.Read(path), scene.Home.Path(), "<home>/")));
  }
}

// The shipped English dictionary as a release lays it out: the dictionary
// naming its words list, the list and the list's copyright notice.
void ShipEnglish(TInstallScene& scene, const std::string& words, const std::string& notice) {
  const std::string folder = "Glyphmason/GlyphmasonDictionaries/";
  scene.Downloads.Write(folder + "English.gmd", "[Main]\r\nWordsListName=English\r\n");
  scene.Downloads.Write(folder + "English.txt", words);
  scene.Downloads.Write(folder + "English-copyright.txt", notice);
}

// An installed copy as an older installer left it: no record of the shipped lists.
void MakeOlderInstalledCopy(TInstallScene& scene, const std::string& english) {
  std::filesystem::create_directories(scene.Installed + "GlyphmasonDictionaries");
  scene.Home.Write("Games/Glyphmason/GlyphmasonDictionaries/English.gmd", "[Main]\r\n");
  scene.Home.Write("Games/Glyphmason/GlyphmasonDictionaries/English.txt", english);
}

const char* const kInstalledEnglish = "Games/Glyphmason/GlyphmasonDictionaries/English.txt";

TEST(Install, OverACopyWithoutARecordEveryWordTheNewListLacksIsKeptAndStaysKept) {
  TInstallScene scene;
  MakeOlderInstalledCopy(scene, "cat\r\ndog\r\nquizzed\r\n");
  ShipEnglish(scene, "cat\r\ndog\r\nemu\r\n", "notice\r\n");
  ASSERT_TRUE(scene.Install(kIdYes));
  EXPECT_TRUE(scene.Errors.Shown.empty());
  EXPECT_EQ(scene.Home.Read(kInstalledEnglish), "cat\r\ndog\r\nemu\r\nquizzed\r\n");
  // The install recorded the shipped list, not the merged one: a reinstall
  // still finds the player's word.
  ASSERT_TRUE(scene.Install(kIdYes));
  EXPECT_EQ(scene.Home.Read(kInstalledEnglish), "cat\r\ndog\r\nemu\r\nquizzed\r\n");
}

TEST(Install, WordsThatCannotBePutBackFailTheInstallBeforeTheProgramIsRenamed) {
  TInstallScene scene;
  MakeOlderInstalledCopy(scene, "cat\r\nquizzed\r\n");
  ShipEnglish(scene, "cat\r\nemu\r\n", "notice\r\n");
  Os::InjectWriteFailureForTesting(0);  // the disk fills up after the copy
  const bool asked = scene.Install(kIdYes);
  Os::InjectWriteFailureForTesting(-1);
  ASSERT_TRUE(asked);
  EXPECT_TRUE(InstallFailedFor(scene.Errors, "Failed to write file."));
  EXPECT_FALSE(FileExists(scene.Program));
}

TEST(Install, AListLinkedOutOfTheProgramFolderIsNotReadAndWhatItLinksToStays) {
  TInstallScene scene;
  TTempFolder elsewhere;
  const std::string outside = elsewhere.Write("words.txt", "outside\r\nlines\r\n");
  MakeOlderInstalledCopy(scene, "cat\r\n");
  const std::string list = scene.Home.File(kInstalledEnglish);
  std::filesystem::remove(list);
  ASSERT_EQ(::symlink(outside.c_str(), list.c_str()), 0);
  ShipEnglish(scene, "cat\r\nemu\r\n", "notice\r\n");
  ASSERT_TRUE(scene.Install(kIdYes));
  EXPECT_TRUE(scene.Errors.Shown.empty());
  EXPECT_EQ(scene.Home.Read(kInstalledEnglish), "cat\r\nemu\r\n");
  EXPECT_EQ(elsewhere.Read("words.txt"), "outside\r\nlines\r\n");
}

TEST(Install, DecliningCopiesNothingAndEachFailureStopsTheStepsAfterIt) {
  TInstallScene scene;
  ASSERT_TRUE(scene.Install(kIdNo));
  EXPECT_FALSE(FileExists(scene.Installed));
  EXPECT_TRUE(scene.Errors.Shown.empty());
  InstallProgram("Glyphmason", "");
  EXPECT_TRUE(InstallFailedFor(scene.Errors, "Installation directory is empty."));
  // A failed rename stops before any entry.
  scene.RunFrom({scene.Source + "INSTALL"});  // no file of that name to rename
  ASSERT_TRUE(scene.Install(kIdYes));
  EXPECT_TRUE(InstallFailedFor(scene.Errors, "Failed to rename."));
  EXPECT_FALSE(FileExists(scene.Home.File("Desktop/Glyphmason.desktop")));
  // A failed copy stops before anything is renamed or recorded: installing
  // the unpacked folder into the folder that holds it would copy the folder
  // onto itself.
  scene.RunFrom({scene.Source + "Install"});
  scene.Target = scene.Downloads.Path();
  scene.Downloads.Write("Glyphmason/GlyphmasonGames/g1.gmg", "the player's game");
  TFakeMessageBoxes boxes;
  boxes.Answer(kIdYes);
  boxes.Answer(kIdOk);
  InstallProgram("Glyphmason", scene.Target);
  ASSERT_EQ(boxes.Shown.size(), 2u);
  EXPECT_EQ(boxes.Shown[1].Caption + ": " + boxes.Shown[1].Text,
            "Error: Failed to process directory.");
  EXPECT_EQ(boxes.Shown[1].Style, kMbOkCancel | kMbIconHand | kMbTaskModal);
  EXPECT_TRUE(InstallFailedFor(scene.Errors, "Destination lies inside the source directory."));
  // The installer is not renamed: nothing after the copy ran.
  EXPECT_TRUE(FileExists(scene.Source + "Install"));
}

TEST(Uninstall, RemovesTheFolderTheEntriesAndTheRecord) {
  TInstallScene scene;
  ASSERT_TRUE(scene.Install(kIdYes));
  // Started at log-in: an entry that starts the installed program goes with it.
  scene.StartAtLogIn(scene.Program);
  scene.Home.Write("Desktop/Other.desktop", "someone else's");
  TFakeMessageBoxes boxes;
  boxes.Answer(kIdYes);
  scene.Uninstall(scene.Installed, "Glyphmason", "/uninstall");
  EXPECT_TRUE(scene.Errors.Shown.empty());
  ASSERT_EQ(boxes.Shown.size(), 2u);
  EXPECT_EQ(boxes.Shown[1].Text,
            "Uninstallation successful. Some files that were in use were not deleted.");
  for (const std::string& gone : {scene.Installed, scene.Home.File("Desktop/Glyphmason.desktop"),
                                  scene.Home.File(".local/share/applications/Glyphmason"),
                                  scene.Home.File(".config/autostart/Glyphmason.desktop"),
                                  scene.Home.File(".local/share/uninstall/Glyphmason.uninstall")}) {
    EXPECT_FALSE(FileExists(gone)) << gone;
  }
  EXPECT_TRUE(FileExists(scene.Home.File("Desktop/Other.desktop")));
  EXPECT_TRUE(FileExists(scene.Home.File(".local/share/applications")));
}

TEST(Uninstall, KeepsWhatOtherProgramsOwn) {
  // Another program's entry in the menu folder, and a start-up entry of the
  // program's name that starts another program: both stay, and the folder.
  TInstallScene scene;
  ASSERT_TRUE(scene.Install(kIdYes));
  const std::string menu = ".local/share/applications/Glyphmason/";
  scene.Home.Write(menu + "someone-else.desktop", "another program's entry");
  const std::string autostart = scene.StartAtLogIn("/usr/bin/glyphmason --tray");
  TFakeMessageBoxes boxes;
  boxes.Answer(kIdYes);
  scene.Uninstall(scene.Installed);
  EXPECT_TRUE(scene.Errors.Shown.empty());
  EXPECT_FALSE(FileExists(scene.Installed));
  for (const char* name : {"Glyphmason.desktop", "Uninstall.desktop", "Readme.desktop"}) {
    EXPECT_FALSE(FileExists(scene.Home.File(menu + name))) << name;
  }
  EXPECT_EQ(scene.Home.Read(menu + "someone-else.desktop"), "another program's entry");
  EXPECT_EQ(scene.Home.Read(".config/autostart/Glyphmason.desktop"), autostart);
}

TEST(Uninstall, ACopyThatTheInstallerDidNotInstallDeletesNothing) {
  // A copy of the program on the desktop, started to uninstall while a real
  // installation exists: its folder, the user's files and the installation
  // stay. (Without an installation, the uninstall-copy scenario plays it.)
  TInstallScene scene;
  const std::string desktop = scene.Home.File("Desktop/");
  std::filesystem::create_directories(desktop);
  scene.Home.Write("Desktop/Thesis.odt", "the user's work");
  std::filesystem::copy_file("/usr/bin/true", desktop + "Glyphmason");
  ASSERT_TRUE(scene.Install(kIdYes));
  TFakeMessageBoxes boxes;  // no answer queued: a question would fail the test
  scene.Uninstall(desktop);
  EXPECT_TRUE(scene.Errors.Shown.empty());
  ASSERT_EQ(boxes.Shown.size(), 1u);
  EXPECT_EQ(boxes.Shown[0].Text,
            "This copy of the program was not installed by its installer.\nNothing was deleted.");
  EXPECT_EQ(scene.Home.Read("Desktop/Thesis.odt"), "the user's work");
  EXPECT_TRUE(FileExists(scene.Program));
  EXPECT_TRUE(FileExists(scene.Home.File(".local/share/uninstall/Glyphmason.uninstall")));
}

TEST(Uninstall, NeverDeletesARootOrTheHomeFolder) {
  TInstallScene scene;
  scene.Home.Write("keep.txt", "precious");
  const std::string homeLink = scene.Downloads.File("home-link/");
  ASSERT_EQ(::symlink(scene.Home.Path().c_str(), scene.Downloads.File("home-link").c_str()), 0);
  const std::string parentOfHome =
      std::filesystem::path(scene.Home.Path()).parent_path().parent_path();
  for (const std::string& directory : {std::string("/"), std::string("//"), scene.Home.Path(),
                                       homeLink, scene.Home.File("Games/.."), parentOfHome}) {
    TErrorRecorder errors;
    TFakeMessageBoxes boxes;  // no answer queued: a question would fail the test
    scene.Uninstall(directory, "/Glyphmason");
    EXPECT_TRUE(boxes.Shown.empty()) << directory;
    EXPECT_EQ(errors.Messages(), std::vector<std::string>{"Failed to uninstall program."})
        << directory;
  }
  EXPECT_EQ(scene.Home.Read("keep.txt"), "precious");
  EXPECT_FALSE(IsProtectedFolder(scene.Installed));
}

}  // namespace
