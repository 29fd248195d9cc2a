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
  SetUpFixedForm(*this, "ErrorForm", "Error", {kClientWidth, kClientHeight});
  SetProgramFont(*this);

  MainMemo = new QPlainTextEdit(this);
  MainMemo->setObjectName("MainMemo");
  MainMemo->setReadOnly(true);
  MainMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  MainMemo->setGeometry(8, 8, 324, 160);

  RecursionLabel = MakeLabel(this, "RecursionLabel", "Recursion", {8, 172, 324, 16});
  OkayButton = MakeButton(this, "OkayButton", "&Okay", {8, 194, 104, 28});
  OkayNoErrorsButton =
      MakeButton(this, "OkayNoErrorsButton", "O&kay (no errors)", {118, 194, 110, 28});
  CancelButton = MakeButton(this, "CancelButton", "&Cancel", {234, 194, 98, 28});
  TerminateButton =
      MakeButton(this, "TerminateButton", "&Terminate application immediately", {8, 230, 220, 28});
  LogButton = MakeButton(this, "LogButton", "&Log", {234, 230, 46, 28});
  HelpButton = MakeButton(this, "HelpButton", "&Help", {286, 230, 46, 28});
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

void TErrorForm::SetMemoText(const std::string& text) {
  MemoText = text;
  MainMemo->setPlainText(PathToQString(WithoutCarriageReturns(text)));
}

bool TErrorForm::ShowError(const std::string& caption, const std::string& message,
                           bool* okayNoErrors, const std::string& report) {
  setWindowTitle(PathToQString(caption));
  if (Recursion > 0) {
    ++Recursion;
    RecursionLabel->setText("Recursive attempts = " + QString::number(Recursion - 1));
    return true;
  }
  Recursion = 1;
  RecursionLabel->setText("Recursive attempts = None");
  SetMemoText("DESCRIPTION\r\n" + (message.empty() ? std::string("Failed to perform.") : message) +
              "\r\n" + report);
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
