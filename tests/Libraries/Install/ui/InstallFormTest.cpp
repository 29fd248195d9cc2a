#include "Libraries/Install/ui/InstallForm.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <filesystem>

#include <gtest/gtest.h>

#include "Libraries/Error/FunctionScope.h"
#include "Libraries/File/FileOperations.h"
#include "Libraries/File/FolderBrowser.h"
#include "Libraries/OperatingSystem/OperatingSystem.h"
#include "Libraries/Text/ui/QtText.h"
#include "support/ErrorRecorder.h"
#include "support/FakeMessageBoxes.h"
#include "support/TestHome.h"

namespace {

class TFakeFolderBrowser : public IFolderBrowser {
 public:
  TFakeFolderBrowser() : Scope(this) {}
  bool BrowseForFolder(const std::string&, const std::string&, std::string& directory) override {
    ++Calls;
    directory = Answer;
    return !Answer.empty();
  }
  std::string Answer;  // empty: the user cancels
  int Calls = 0;

 private:
  FolderBrowserSeam::TScoped Scope;
};

// The installer's folder with its read-me, started under the given command line.
class TInstallerFolder {
 public:
  explicit TInstallerFolder(const std::string& fileName, std::vector<std::string> arguments = {})
      : Saved(Os::CommandLine()) {
    Folder.Write("Readme.txt", "Glyphmason\r\nA word game.\r\n");
    arguments.insert(arguments.begin(), Folder.File(fileName));
    Os::SetCommandLineForTesting(arguments);
  }
  ~TInstallerFolder() { Os::SetCommandLineForTesting(Saved); }

  TTestHome Home;
  TTempFolder Folder;

 private:
  std::vector<std::string> Saved;
};

std::string Text(const QLabel* label) { return FromQString(label->text()); }
std::string Text(const QLineEdit* edit) { return FromQString(edit->text()); }
std::string Text(const QPushButton* button) { return FromQString(button->text()); }

TEST(TInstallForm, StartsWithTheLayoutTheReadmeAndTheDefaultTarget) {
  TInstallerFolder installer("Install");
  TInstallForm form;
  EXPECT_EQ(form.objectName(), "InstallForm");
  EXPECT_EQ(form.windowTitle(), "Install");
  EXPECT_EQ(form.size(), QSize(400, 450));
  EXPECT_EQ(form.ProgramName, "");
  EXPECT_EQ(Text(form.MainPanel), "MainPanel");
  EXPECT_TRUE(form.MainPanel->font().bold() && form.MainPanel->font().italic());
  EXPECT_EQ(form.MainPanel->font().pixelSize(), 30);
  EXPECT_EQ(FromQString(form.ReadmeMemo->toPlainText()), "Glyphmason\nA word game.\n");
  EXPECT_TRUE(form.ReadmeMemo->isReadOnly());
  EXPECT_EQ(form.focusWidget(), form.ReadmeMemo);
  EXPECT_EQ(Text(form.InstallToEdit), installer.Home.File(".local/opt/"));
  EXPECT_TRUE(FileExists(installer.Home.File(".local/opt")));
  EXPECT_TRUE(form.InstallToEdit->isReadOnly());
  EXPECT_EQ(Text(form.InstructionsLabel).rfind("The program can be reinstalled without", 0), 0u);
  EXPECT_EQ(Text(form.BrowseButton), "&Browse");
  EXPECT_EQ(Text(form.InstallButton), "&Install");
  EXPECT_EQ(Text(form.CancelButton), "&Cancel");
}

TEST(TInstallForm, WithoutTheReadmeTheWindowCannotBeBuilt) {
  TInstallerFolder installer("Install");
  std::filesystem::remove(installer.Folder.File("Readme.txt"));
  EXPECT_THROW(TInstallForm form, TRaisedError);
}

TEST(TInstallForm, PreparesTheInstallTexts) {
  TInstallerFolder installer("install.exe");
  TInstallForm form;
  form.PrepareInstallForm("Glyphmason", "Glyphmason", "Version 2.5.2, released on 06.01.2006");
  EXPECT_EQ(form.ProgramName, "Glyphmason");
  EXPECT_EQ(form.windowTitle(), "Install Glyphmason");
  EXPECT_EQ(Text(form.MainPanel), "Welcome to Glyphmason");
  EXPECT_EQ(Text(form.DescriptionLabel), "Glyphmason");
  EXPECT_EQ(Text(form.VersionLabel), "Version 2.5.2, released on 06.01.2006");
  EXPECT_EQ(Text(form.InstallToLabel),
            "The program's installation directory will be put in directory:");
  EXPECT_TRUE(form.BrowseButton->isEnabled());
}

TEST(TInstallForm, TheUninstallTextsWinAndTheFolderIsFixed) {
  TInstallerFolder installer("Install", {"/UNINSTALL"});
  TInstallForm form;
  form.PrepareInstallForm("Glyphmason", "Glyphmason", "Version 2.5.2, released on 06.01.2006");
  EXPECT_EQ(form.windowTitle(), "Uninstall Glyphmason");
  EXPECT_EQ(Text(form.MainPanel), "Bye from Glyphmason");
  EXPECT_EQ(Text(form.InstallToLabel), "The following directory will be deleted:");
  EXPECT_EQ(Text(form.InstallButton), "Un&install");
  EXPECT_EQ(Text(form.InstallToEdit), installer.Folder.Path());
  EXPECT_FALSE(form.BrowseButton->isEnabled());
}

TEST(TInstallForm, BrowseTakesTheChosenFolderAndCancelKeepsTheOld) {
  TInstallerFolder installer("Install");
  TInstallForm form;
  TFakeFolderBrowser browser;
  browser.Answer = "/srv/games";
  form.BrowseButton->click();
  EXPECT_EQ(Text(form.InstallToEdit), "/srv/games/");
  browser.Answer = "";
  form.BrowseButton->click();
  EXPECT_EQ(browser.Calls, 2);
  EXPECT_EQ(Text(form.InstallToEdit), "/srv/games/");
}

TEST(TInstallForm, InstallWithoutATargetOnlyClosesTheWindow) {
  TInstallerFolder installer("Install");
  TInstallForm form;
  form.PrepareInstallForm("Glyphmason", "Glyphmason", "");
  form.show();
  form.InstallToEdit->clear();
  TFakeMessageBoxes boxes;  // a question would fail the test
  TErrorRecorder errors;
  form.InstallButton->click();
  EXPECT_FALSE(form.isVisible());
  EXPECT_FALSE(form.InstallButton->isEnabled());
  EXPECT_TRUE(boxes.Shown.empty());
  EXPECT_TRUE(errors.Shown.empty());
}

TEST(TInstallForm, InstallAsksAndDecliningClosesWithoutCopying) {
  TInstallerFolder installer("Install");
  TInstallForm form;
  form.PrepareInstallForm("Glyphmason", "Glyphmason", "");
  form.show();
  TFakeMessageBoxes boxes;
  boxes.Answer(kIdNo);
  form.InstallButton->click();
  ASSERT_EQ(boxes.Shown.size(), 1u);
  EXPECT_EQ(boxes.Shown[0].Caption, "Query");
  EXPECT_FALSE(form.isVisible());
  EXPECT_TRUE(std::filesystem::is_empty(installer.Home.File(".local/opt")));
}

TEST(TInstallForm, UninstallAsksAboutTheProgramFolder) {
  TInstallerFolder installer("Glyphmason", {"/Uninstall"});
  TInstallForm form;
  form.PrepareInstallForm("Glyphmason", "Glyphmason", "");
  form.show();
  TFakeMessageBoxes boxes;
  boxes.Answer(kIdNo);
  form.InstallButton->click();
  ASSERT_EQ(boxes.Shown.size(), 1u);
  EXPECT_EQ(boxes.Shown[0].Text,
            "Delete directory \"" + installer.Folder.Path() + "\" (and all contained files)?");
  EXPECT_TRUE(FileExists(installer.Folder.File("Readme.txt")));
  EXPECT_FALSE(form.isVisible());
}

TEST(TInstallForm, CancelAndEscapeCloseTheWindow) {
  TInstallerFolder installer("Install");
  TInstallForm form;
  form.show();
  form.CancelButton->click();
  EXPECT_FALSE(form.isVisible());

  form.show();
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(form.ReadmeMemo, &escape);
  EXPECT_FALSE(form.isVisible());
}

}  // namespace
