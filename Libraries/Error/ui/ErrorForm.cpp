#include "Libraries/Error/ui/ErrorForm.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "Libraries/MyDialogs/MyDialogs.h"
#include "Libraries/MyDialogs/ui/FormParts.h"
#include "Libraries/OperatingSystem/OperatingSystem.h"
#include "Libraries/Program/HelpSystem.h"
#include "Libraries/Program/ProgramPaths.h"
#include "Libraries/Text/Text.h"
#include "Libraries/Text/Translation.h"
#include "Libraries/Text/ui/QtText.h"

TErrorForm* ErrorForm = nullptr;

namespace {
constexpr int kClientWidth = 340;
constexpr int kClientHeight = 265;
constexpr int kHelpContext = 0;

// Sets RecursionCount back to 0 when the modal loop ends, however it ends.
struct TRecursionReset {
  int32_t& Count;
  ~TRecursionReset() { Count = 0; }
};
}  // namespace

TErrorForm::TErrorForm(QWidget* parent) : QDialog(parent, kFixedDialogFlags) {
  //: Title of the error dialog
  SetUpFixedForm(*this, "ErrorForm", tr("Error"), {kClientWidth, kClientHeight});
  SetProgramFont(*this);

  MainMemo = new QPlainTextEdit(this);
  MainMemo->setObjectName("MainMemo");
  MainMemo->setReadOnly(true);
  MainMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  MainMemo->setGeometry(8, 8, 324, 160);

  // The label's text is set each time a report is shown.
  RecursionLabel = MakeLabel(this, "RecursionLabel", "Recursion", {8, 172, 324, 16});
  //: Button caption, 104 px wide
  OkayButton = MakeButton(this, "OkayButton", tr("&Okay"), {8, 194, 104, 28});
  //: Button caption, 110 px wide: closes the dialog and shows no further errors
  OkayNoErrorsButton =
      MakeButton(this, "OkayNoErrorsButton", tr("O&kay (no errors)"), {118, 194, 110, 28});
  //: Button caption, 98 px wide
  CancelButton = MakeButton(this, "CancelButton", tr("&Cancel"), {234, 194, 98, 28});
  //: Button caption, 220 px wide
  TerminateButton = MakeButton(this, "TerminateButton", tr("&Terminate application immediately"),
                               {8, 230, 220, 28});
  //: Button caption, 46 px wide: writes the report to the error log
  LogButton = MakeButton(this, "LogButton", tr("&Log"), {234, 230, 46, 28});
  //: Button caption, 46 px wide
  HelpButton = MakeButton(this, "HelpButton", tr("&Help"), {286, 230, 46, 28});
  OkayButton->setDefault(true);

  connect(OkayButton, &QPushButton::clicked, this, [this] { done(kResultOk); });
  connect(OkayNoErrorsButton, &QPushButton::clicked, this, [this] { done(kResultYes); });
  connect(CancelButton, &QPushButton::clicked, this, [this] { done(kResultCancel); });
  connect(TerminateButton, &QPushButton::clicked, this, [this] { TerminateButtonClick(); });
  connect(LogButton, &QPushButton::clicked, this, [this] { LogButtonClick(); });
  connect(HelpButton, &QPushButton::clicked, this, [this] { HelpButtonClick(); });

  RunModal = [](TErrorForm& form) { return form.exec(); };
  ErrorForm = this;
  ErrorDialogSeam::Install(this);
}

TErrorForm::~TErrorForm() {
  if (ErrorDialogSeam::Current() == this) {
    ErrorDialogSeam::Install(nullptr);
  }
  if (ErrorForm == this) {
    ErrorForm = nullptr;
  }
}

void TErrorForm::SetMemoText(const std::string& message, const std::string& report) {
  // The log keeps the English text; the player reads the message in the
  // player's language. Messages are marked for translation in this dialog's
  // context where they are written; one that is not stays as it is.
  const char* english =
      message.empty() ? TranslatableText("TErrorForm", "Failed to perform.") : message.c_str();
  MemoText = "DESCRIPTION\r\n" + std::string(english) + "\r\n" + report;
  const std::string shown = "DESCRIPTION\r\n" + Translated("TErrorForm", english) + "\r\n" + report;
  MainMemo->setPlainText(PathToQString(WithoutCarriageReturns(shown)));
}

bool TErrorForm::ShowError(const std::string& caption, const std::string& message,
                           bool* okayNoErrors, const std::string& report) {
  setWindowTitle(PathToQString(caption));
  if (Recursion > 0) {
    ++Recursion;
    //: One line, 324 px wide; %1 counts the errors that came while this one was shown
    RecursionLabel->setText(tr("Recursive attempts = %1").arg(Recursion - 1));
    return true;
  }
  Recursion = 1;
  //: One line, 324 px wide
  RecursionLabel->setText(tr("Recursive attempts = None"));
  SetMemoText(message, report);
  int result = 0;
  {
    TRecursionReset reset{Recursion};
    if (!isVisible()) {
      result = RunModal(*this);
    }
  }
  if (okayNoErrors != nullptr) {
    *okayNoErrors = result == kResultYes;
  }
  return result == kResultOk || result == kResultYes;
}

void TErrorForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  OkayButton->setFocus();
}

bool TErrorForm::AppendToLog() {
  // Each call's own result tells whether it failed: a system error number
  // left over from an earlier call that succeeded says nothing.
  try {
    Os::TWriteFile log;
    if (!log.OpenOrCreate(GetProgramDirFile(kLogFileName))) {
      return false;
    }
    const int64_t size = log.Size();
    bool written = size >= 0;
    if (size > kLogSizeLimit) {
      written = written && log.Truncate();
    }
    written = written && log.Append("**********" + MemoText + "\r\n**********\r\n");
    return log.Close() && written;
  } catch (...) {
    return false;
  }
}

void TErrorForm::LogButtonClick() {
  if (AppendToLog()) {
    BeepSimple();
  }
}

void TErrorForm::TerminateButtonClick() {
  Os::TerminateProcessNow(1);
}

void TErrorForm::HelpButtonClick() {
  ShowApplicationHelp(kHelpContext);
}
