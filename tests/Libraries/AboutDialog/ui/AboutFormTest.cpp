#include "Libraries/AboutDialog/ui/AboutForm.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <chrono>
#include <stdexcept>
#include <thread>

#include <gtest/gtest.h>

#include "Libraries/AboutDialog/ProjectPages.h"
#include "Libraries/Error/FunStatContext.h"
#include "Libraries/File/FileOperations.h"
#include "Libraries/OperatingSystem/OperatingSystem.h"
#include "support/ErrorRecorder.h"
#include "support/TestFolders.h"

namespace {

// The default handler replaced by a script that writes down the address it
// was asked to open.
class TRecordingBrowser {
 public:
  TRecordingBrowser() {
    Script = Folder.Write(
        "browser", "#!/bin/sh\nprintf '%s' \"$1\" > \"$0.tmp\" && mv \"$0.tmp\" \"$0.got\"\n");
    ::chmod(Script.c_str(), 0755);
    Os::SetDefaultHandlerForTesting(Script);
  }
  ~TRecordingBrowser() { Os::SetDefaultHandlerForTesting(""); }

  // The address the script received; empty when none came within 5 seconds.
  std::string NextAddress() {
    const std::string got = Script + ".got";
    for (int i = 0; i < 500 && !FileExists(got); ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (!FileExists(got)) {
      return {};
    }
    const std::string address = Folder.Read("browser.got");
    ::unlink(got.c_str());
    return address;
  }

 private:
  TTempFolder Folder;
  std::string Script;
};

std::string Text(const QLabel* label) {
  return label->text().toStdString();
}

TEST(AboutForm, ShowsTheProgramItsAuthorAndTheThreeButtons) {
  TAboutForm form;
  EXPECT_EQ(AboutForm, &form);
  form.SetProgram("Glyphmason", "Version 2.5.2, released on 06.01.2006");
  EXPECT_EQ(Text(form.ProgramNameLabel), "Glyphmason");
  EXPECT_EQ(Text(form.ProgramVersionLabel), "Version 2.5.2, released on 06.01.2006");
  EXPECT_NE(Text(form.AuthorLabel).find("Glyphmason"), std::string::npos);
  EXPECT_EQ(form.windowTitle(), "About");
  EXPECT_EQ(form.VisitMySiteButton->text(), "Visit my site");
  EXPECT_EQ(form.LicenseTermsButton->text(), "License terms");
  EXPECT_EQ(form.ContactMeButton->text(), "Contact me");
  // Everything but the Okay button sits on the panel, and all of it fits.
  EXPECT_EQ(form.ContactMeButton->parentWidget(), form.AboutPanel);
  EXPECT_TRUE(form.AboutPanel->rect().contains(form.ProgramsLabel->geometry()));
  EXPECT_TRUE(form.rect().contains(form.OkayButton->geometry()));
  EXPECT_FALSE(form.AboutPanel->geometry().intersects(form.OkayButton->geometry()));
}

TEST(AboutForm, EachShowingFocusesOkayWhichClosesItAsEscapeDoes) {
  TAboutForm form;
  bool focused = false;
  QTimer::singleShot(0, &form, [&] {
    focused = form.focusWidget() == form.OkayButton;
    form.ContactMeButton->setFocus();
    form.OkayButton->click();
  });
  form.Dialog();
  EXPECT_TRUE(focused);
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(form.result(), TAboutForm::kResultOk);

  focused = false;
  QTimer::singleShot(0, &form, [&] {
    focused = form.focusWidget() == form.OkayButton;
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(form.OkayButton, &escape);
  });
  form.Dialog();
  EXPECT_TRUE(focused);
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(form.result(), TAboutForm::kResultOk);
}

TEST(AboutForm, EachButtonOpensItsProjectPage) {
  TErrorRecorder errors;
  TRecordingBrowser browser;
  TAboutForm form;
  form.VisitMySiteButton->click();
  EXPECT_EQ(browser.NextAddress(), kHomePageAddress);
  form.LicenseTermsButton->click();
  EXPECT_EQ(browser.NextAddress(), kLicencePageAddress);
  form.ContactMeButton->click();
  EXPECT_EQ(browser.NextAddress(), kContactPageAddress);
  EXPECT_TRUE(errors.Shown.empty());
}

TEST(AboutForm, APageThatCannotBeOpenedShowsFailedToOpenSite) {
  TErrorRecorder errors;
  TTempFolder folder;
  Os::SetDefaultHandlerForTesting(folder.File("no browser"));
  TAboutForm form;
  form.LicenseTermsButton->click();
  Os::SetDefaultHandlerForTesting("");
  ASSERT_EQ(errors.Shown.size(), 1u);
  EXPECT_EQ(errors.Shown[0].Message, "Failed to open site.");
  const std::string& report = errors.Shown[0].Report;
  EXPECT_NE(report.find("* Description: \"Failed to run file.\""), std::string::npos);
  EXPECT_NE(report.find("* Parameter 1: \"" + std::string(kLicencePageAddress) + "\""),
            std::string::npos);
  EXPECT_FALSE(GlobalFunStat.Failed());
}

TEST(AboutForm, AFailingModalRunShowsItsOwnMessage) {
  TErrorRecorder errors;
  TAboutForm form;
  form.RunModal = [](TAboutForm&) -> int { throw std::runtime_error("no display"); };
  form.Dialog();
  ASSERT_EQ(errors.Shown.size(), 1u);
  EXPECT_EQ(errors.Shown[0].Message, "Failed to show the \"About\" dialog.");
}

}  // namespace
