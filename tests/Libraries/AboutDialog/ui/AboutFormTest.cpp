#include "Libraries/AboutDialog/ui/AboutForm.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <stdexcept>
#include <utility>

#include <gtest/gtest.h>

#include "Libraries/AboutDialog/ProjectPages.h"
#include "Libraries/Error/FunStatContext.h"
#include "Libraries/OperatingSystem/OperatingSystem.h"
#include "support/ErrorRecorder.h"
#include "support/TestFolders.h"

namespace {

TEST(AboutForm, EachShowingFocusesOkayWhichClosesItAsEscapeDoes) {
  TAboutForm form;
  const std::function<void()> closers[] = {
      [&] { form.OkayButton->click(); },
      [&] {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(form.OkayButton, &escape);
      }};
  for (const std::function<void()>& close : closers) {
    bool focused = false;
    QTimer::singleShot(0, &form, [&] {
      focused = form.focusWidget() == form.OkayButton;
      form.ContactMeButton->setFocus();
      close();
    });
    form.Dialog();
    EXPECT_TRUE(focused);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), TAboutForm::kResultOk);
  }
}

TEST(AboutForm, EachButtonOpensItsProjectPageAndAFailureShowsFailedToOpenSite) {
  TTempFolder folder;
  Os::SetDefaultHandlerForTesting(folder.File("no browser"));
  TAboutForm form;
  const std::pair<QPushButton*, std::string> pages[] = {
      {form.VisitMySiteButton, kHomePageAddress},
      {form.LicenseTermsButton, kLicencePageAddress},
      {form.ContactMeButton, kContactPageAddress}};
  for (const auto& [button, address] : pages) {
    TErrorRecorder errors;
    button->click();
    ASSERT_EQ(errors.Messages(), std::vector<std::string>{"Failed to open site."}) << address;
    const std::string& report = errors.Shown[0].Report;
    EXPECT_NE(report.find("* Description: \"Failed to run file.\""), std::string::npos);
    EXPECT_NE(report.find("* Parameter 1: \"" + address + "\""), std::string::npos) << address;
  }
  Os::SetDefaultHandlerForTesting("");
  EXPECT_FALSE(GlobalFunStat.Failed());
}

TEST(AboutForm, AFailingModalRunShowsItsOwnMessage) {
  TErrorRecorder errors;
  TAboutForm form;
  form.RunModal = [](TAboutForm&) -> int { throw std::runtime_error("no display"); };
  form.Dialog();
  EXPECT_EQ(errors.Messages(), std::vector<std::string>{"Failed to show the \"About\" dialog."});
}

}  // namespace
