#include "Libraries/Install/ui/InstallForm.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <filesystem>

#include <gtest/gtest.h>

#include "Libraries/Error/FunctionScope.h"
#include "Libraries/File/FolderBrowser.h"
#include "Libraries/File/UninstallEntry.h"
#include "Libraries/Program/ProgramIdentity.h"
#include "Libraries/Text/ui/QtText.h"
#include "support/ErrorRecorder.h"
#include "support/FakeMessageBoxes.h"
#include "support/TestCommandLine.h"
#include "support/TestHome.h"
#include "support/ui/CaptionFit.h"
#include "support/ui/TestLanguage.h"

namespace {

class TFakeFolderBrowser : public IFolderBrowser {
 public:
  TFakeFolderBrowser() : Scope(this) {}
  bool BrowseForFolder(const std::string&, const std::string&, std::string& directory) override {
    directory = Answer;
    return !Answer.empty();
  }
  std::string Answer;  // empty: the user cancels

 private:
  FolderBrowserSeam::TScoped Scope;
};

// The installer's folder with its read-me, started under the given command line.
class TInstallerFolder {
 public:
  explicit TInstallerFolder(const std::string& fileName, std::string argument = {})
      : CommandLine({Folder.File(fileName), std::move(argument)}) {
    Folder.Write("Readme.txt", "Glyphmason\r\nA word game.\r\n");
  }

  TTestHome Home;
  TTempFolder Folder;
  TTestCommandLine CommandLine;
};

// The default target and the install title are the install scenario's.
TEST(TInstallForm, StartsWithTheReadmeAndRefusesToStartWithoutOne) {
  TInstallerFolder installer("install.exe");
  TInstallForm form;
  EXPECT_EQ(FromQString(form.ReadmeMemo->toPlainText()), "Glyphmason\nA word game.\n");
  EXPECT_EQ(form.focusWidget(), form.ReadmeMemo);
  std::filesystem::remove(installer.Folder.File("Readme.txt"));
  EXPECT_THROW(TInstallForm withoutReadme, TRaisedError);
}

TEST(TInstallForm, UninstallTextsWinAndTheQuestionNamesTheProgramFolder) {
  TInstallerFolder installer("Install", "/UNINSTALL");
  TInstallForm form;
  form.PrepareInstallForm("Glyphmason", "Glyphmason", "");
  EXPECT_EQ(form.windowTitle(), "Uninstall Glyphmason");
  EXPECT_FALSE(form.BrowseButton->isEnabled());
  form.show();
  // The installer's record names the folder: it is an installation.
  SetUninstallRegistry("Glyphmason", "Glyphmason", installer.Folder.File("Install") + " /Uninstall");
  TFakeMessageBoxes boxes;
  boxes.Answer(kIdNo);
  form.InstallButton->click();
  EXPECT_EQ(boxes.Texts(),
            std::vector<std::string>{"Delete directory \"" + installer.Folder.Path() +
                                     "\" (and all contained files)?"});
  EXPECT_FALSE(form.isVisible());
}

class TInstallFormIn : public ::testing::TestWithParam<const char*> {};

TEST_P(TInstallFormIn, CaptionsFitInBothModes) {
  const TTestLanguage language(GetParam());
  for (const char* argument : {"", "/Uninstall"}) {
    TInstallerFolder installer("Install", argument);
    TInstallForm form;
    form.PrepareInstallForm("Glyphmason", "Glyphmason", ProgramVersionText());
    EXPECT_EQ(CaptionsThatDoNotFit(form), std::vector<std::string>{}) << argument;
  }
}

INSTANTIATE_TEST_SUITE_P(InEveryLanguage, TInstallFormIn, ::testing::ValuesIn(kTestedLanguages),
                         [](const auto& info) { return std::string(info.param); });

TEST(TInstallForm, BrowseTakesTheChosenFolderAndCancelKeepsIt) {
  TInstallerFolder installer("Install");
  TInstallForm form;
  TFakeFolderBrowser browser;
  browser.Answer = "/srv/\xC3\x9C" "ber";  // file names are UTF-8: shown and used as such
  form.BrowseButton->click();
  browser.Answer = "";
  form.BrowseButton->click();
  EXPECT_EQ(form.InstallToEdit->text(), QString::fromUtf8("/srv/\xC3\x9C" "ber/"));
  TFakeMessageBoxes boxes;
  boxes.Answer(kIdNo);
  form.InstallButton->click();
  ASSERT_EQ(boxes.Shown.size(), 1u);
  EXPECT_NE(boxes.Shown[0].Text.find("\"/srv/\xC3\x9C" "ber/"), std::string::npos);
}

TEST(TInstallForm, InstallWithoutATargetCancelAndEscapeOnlyCloseTheWindow) {
  TInstallerFolder installer("Install");
  TInstallForm form;
  TFakeMessageBoxes boxes;  // a question would fail the test
  TErrorRecorder errors;
  form.show();
  form.InstallToEdit->clear();
  form.InstallButton->click();
  EXPECT_FALSE(form.isVisible());
  form.show();
  form.CancelButton->click();
  EXPECT_FALSE(form.isVisible());
  form.show();
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(form.ReadmeMemo, &escape);
  EXPECT_FALSE(form.isVisible());
  EXPECT_TRUE(boxes.Shown.empty() && errors.Shown.empty());
}

}  // namespace
