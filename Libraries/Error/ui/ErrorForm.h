#pragma once
// The error dialog: one report at a time, with the description, the raise
// and show contexts and the time. While it is up, further reports are
// counted instead of shown. The Log button appends its text to "Errors.log"
// beside the program.

#include <QDialog>
#include <functional>
#include <string>

#include "Libraries/Error/ErrorDialog.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

class TErrorForm : public QDialog, public IErrorDialog {
  Q_OBJECT

 public:
  // Modal results of the buttons.
  static constexpr int kResultOk = 1;
  static constexpr int kResultCancel = 2;
  static constexpr int kResultYes = 6;
  // Log entries go to this file; a log larger than the limit is emptied
  // before the next entry.
  static constexpr const char* kLogFileName = "Errors.log";
  static constexpr int64_t kLogSizeLimit = 10000;

  // Creates the dialog and makes it the program's error dialog.
  explicit TErrorForm(QWidget* parent = nullptr);
  ~TErrorForm() override;

  bool ShowError(const std::string& caption, const std::string& message, bool* okayNoErrors,
                 const std::string& report) override;
  int32_t RecursionCount() const override { return Recursion; }

  // The dialog text as the log keeps it, line breaks "\r\n": the English
  // text, where the dialog shows the message in the player's language.
  const std::string& MainMemoText() const { return MemoText; }
  // Appends the dialog text to the log; false when the file cannot be opened
  // or written. Shows nothing either way.
  bool AppendToLog();

  // Runs the dialog modally and returns its modal result. Tests replace it to
  // press buttons without a modal loop.
  std::function<int(TErrorForm&)> RunModal;

  QPlainTextEdit* MainMemo = nullptr;
  QLabel* RecursionLabel = nullptr;
  QPushButton* OkayButton = nullptr;
  QPushButton* OkayNoErrorsButton = nullptr;
  QPushButton* CancelButton = nullptr;
  QPushButton* TerminateButton = nullptr;
  QPushButton* LogButton = nullptr;
  QPushButton* HelpButton = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void LogButtonClick();
  void TerminateButtonClick();
  void HelpButtonClick();
  void SetMemoText(const std::string& message, const std::string& report);

  int32_t Recursion = 0;
  std::string MemoText;
};

// The program's one error dialog, created at start-up; null before.
extern TErrorForm* ErrorForm;
