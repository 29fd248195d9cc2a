#include "Libraries/Error/ui/ErrorForm.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <cerrno>
#include <filesystem>

#include "Libraries/Error/FunctionScope.h"
#include "support/FakeMessageBoxes.h"
#include "support/TestFolders.h"

namespace {

TFunStatContext SaveFailure() {
  TFunStatContext context;
  context.SetStatus("persistence/GameCommands.cpp", "TGlyphmasonForm::SaveGameTo", 12, fsError,
                    "Failed to save file.", "game.gmg", "", 0);
  return context;
}

TEST(ErrorDialog, ShowsDescriptionAndReportAndItsButtonsSayWhetherToGoOn) {
  TErrorForm form;
  QTimer::singleShot(0, &form, [&] { form.OkayNoErrorsButton->click(); });
  bool noErrors = false;
  EXPECT_TRUE(SaveFailure().Show("Failed to save game.", &noErrors));
  EXPECT_TRUE(noErrors);
  EXPECT_TRUE(
      form.MainMemoText().starts_with("DESCRIPTION\r\nFailed to save game.\r\n\r\nRAISE CONTEXT"));
  EXPECT_EQ(form.MainMemo->toPlainText().toStdString().find('\r'), std::string::npos);
  EXPECT_EQ(form.RecursionLabel->text(), "Recursive attempts = None");
  QTimer::singleShot(0, &form, [&] { form.reject(); });  // Escape or the close box
  EXPECT_FALSE(SaveFailure().Show("x", &noErrors));
  EXPECT_FALSE(noErrors);
}

TEST(ErrorDialog, ReportsWhileUpAreCountedNotShownAndTheCountComesBackToRest) {
  TErrorForm form;
  std::vector<QString> labels;
  form.RunModal = [&](TErrorForm& dialog) {
    const std::string shown = dialog.MainMemoText();
    EXPECT_TRUE(SaveFailure().Show("second"));
    labels.push_back(dialog.RecursionLabel->text());
    EXPECT_TRUE(SaveFailure().Show("third"));
    labels.push_back(dialog.RecursionLabel->text());
    EXPECT_EQ(dialog.MainMemoText(), shown);
    EXPECT_EQ(dialog.RecursionCount(), 3);
    return TErrorForm::kResultOk;
  };
  EXPECT_TRUE(SaveFailure().Show("first"));
  EXPECT_EQ(labels, (std::vector<QString>{"Recursive attempts = 1", "Recursive attempts = 2"}));
  EXPECT_EQ(form.RecursionCount(), 0);
  EXPECT_NE(form.MainMemoText().find("first"), std::string::npos);
  // A modal loop that throws leaves the count at rest as well.
  form.RunModal = [](TErrorForm&) -> int { throw std::runtime_error("loop died"); };
  EXPECT_FALSE(SaveFailure().Show("x"));
  EXPECT_EQ(form.RecursionCount(), 0);
}

TEST(ErrorLog, AppendsEntriesAndEmptiesLogOverTenThousandBytes) {
  TTestProgramFolder program;
  TErrorForm form;
  form.RunModal = [](TErrorForm&) { return TErrorForm::kResultOk; };
  SaveFailure().Show("Failed to save game.");
  const std::string entry = "**********" + form.MainMemoText() + "\r\n**********\r\n";

  TFakeMessageBoxes boxes;  // the Log button beeps on success
  form.LogButton->click();
  form.LogButton->click();
  EXPECT_EQ(program.Read("Errors.log"), entry + entry);
  EXPECT_EQ(boxes.Beeps, (std::vector<uint32_t>{kBeepDefault, kBeepDefault}));

  program.Write("Errors.log", std::string(10000, 'x'));
  EXPECT_TRUE(form.AppendToLog());
  EXPECT_EQ(program.Read("Errors.log"), std::string(10000, 'x') + entry);

  program.Write("Errors.log", std::string(10001, 'x'));
  EXPECT_TRUE(form.AppendToLog());
  EXPECT_EQ(program.Read("Errors.log"), entry);
}

// A signal handler that leaves its own error number behind, as careless
// ones do: calls that succeed while it runs find errno set.
void LeaveErrnoBehind(int) { errno = EIO; }

TEST(ErrorLog, AnErrorNumberLeftBehindDoesNotMakeAWrittenEntryFail) {
  TTestProgramFolder program;
  TErrorForm form;
  struct sigaction action {};
  struct sigaction previous {};
  action.sa_handler = LeaveErrnoBehind;
  action.sa_flags = SA_RESTART;
  ::sigaction(SIGALRM, &action, &previous);
  const itimerval often{{0, 20}, {0, 20}};
  ::setitimer(ITIMER_REAL, &often, nullptr);
  int failed = 0;
  constexpr int kEntries = 300;
  for (int i = 0; i < kEntries; ++i) {
    errno = EIO;
    failed += form.AppendToLog() ? 0 : 1;
  }
  const itimerval stop{};
  ::setitimer(ITIMER_REAL, &stop, nullptr);
  ::sigaction(SIGALRM, &previous, nullptr);
  EXPECT_EQ(failed, 0);
  EXPECT_FALSE(program.Read("Errors.log").empty());
}

TEST(ErrorLog, ALogThatIsNoPlainFileIsNeverWrittenAndFailsSilently) {
  // A folder, a pipe without a reader (never waited on), and a link to a
  // file elsewhere, which is neither emptied nor written.
  TTempFolder elsewhere;
  const std::string outside = elsewhere.Write("notes.txt", std::string(12000, 'n'));
  for (const std::string kind : {"folder", "pipe", "link"}) {
    TTestProgramFolder program;
    const std::string log = program.File("Errors.log");
    if (kind == "folder") {
      std::filesystem::create_directory(log);
    } else if (kind == "pipe") {
      ::mkfifo(log.c_str(), 0644);
    } else {
      ::symlink(outside.c_str(), log.c_str());
    }
    TErrorForm form;
    TFakeMessageBoxes boxes;
    EXPECT_FALSE(form.AppendToLog()) << kind;
    form.LogButton->click();
    EXPECT_TRUE(boxes.Shown.empty() && boxes.Beeps.empty()) << kind;
  }
  EXPECT_EQ(elsewhere.Read("notes.txt"), std::string(12000, 'n'));
}

TEST(ErrorDialogDeathTest, TerminateButtonEndsProcessWithCodeOne) {
  EXPECT_EXIT(
      {
        TErrorForm form;
        form.TerminateButton->click();
      },
      ::testing::ExitedWithCode(1), "");
}

class TThrowingObject : public QObject {
 protected:
  bool event(QEvent*) override { throw std::runtime_error("handler failed"); }
};

TEST(ApplicationException, ExceptionFromEventHandlerReachesErrorDialog) {
  TErrorForm form;
  std::string shown;
  form.RunModal = [&](TErrorForm& dialog) {
    shown = dialog.MainMemoText();
    return TErrorForm::kResultOk;
  };
  TThrowingObject object;
  QEvent event(QEvent::User);
  QCoreApplication::sendEvent(&object, &event);
  EXPECT_TRUE(shown.starts_with("DESCRIPTION\r\nUnhandled error.\r\nhandler failed\r\n"));
  EXPECT_NE(shown.find("* Function: \"TFunStatContext::OnApplicationException\""),
            std::string::npos);
  EXPECT_EQ(form.windowTitle(), "Error");
  EXPECT_EQ(GlobalFunStat.Status, fsPerfect);
}

}  // namespace
