#pragma once
// The About dialog: the program's name and version, its author, and three
// buttons that open the project's home page, licence terms and contact page
// in the desktop's default browser.

#include <QDialog>
#include <functional>
#include <string>

class QFrame;
class QLabel;
class QPushButton;

class TAboutForm : public QDialog {
  Q_OBJECT

 public:
  // Modal result of the Okay button (and of Escape).
  static constexpr int kResultOk = 1;

  // Creates the dialog and makes it the program's About dialog.
  explicit TAboutForm(QWidget* parent = nullptr);
  ~TAboutForm() override;

  // Puts the program's name and version text on their labels.
  void SetProgram(const std::string& name, const std::string& version);
  // Shows the dialog modally; a failure shows
  // "Failed to show the \"About\" dialog." in the error dialog.
  void Dialog();

  // Each opens its page; a page that cannot be opened shows
  // "Failed to open site." in the error dialog.
  void VisitMySiteButtonClick();
  void LicenseTermsButtonClick();
  void ContactMeButtonClick();

  // Runs the dialog modally and returns its modal result. Tests replace it to
  // look at the dialog without a modal loop.
  std::function<int(TAboutForm&)> RunModal;

  QFrame* AboutPanel = nullptr;
  QLabel* ProgramNameLabel = nullptr;
  QLabel* ProgramVersionLabel = nullptr;
  QLabel* AuthorLabel = nullptr;
  QLabel* ProgramsLabel = nullptr;
  QPushButton* VisitMySiteButton = nullptr;
  QPushButton* LicenseTermsButton = nullptr;
  QPushButton* ContactMeButton = nullptr;
  QPushButton* OkayButton = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

// The program's one About dialog, created at start-up; null before.
extern TAboutForm* AboutForm;
