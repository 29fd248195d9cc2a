#pragma once
// The installer's window: the greeting, the program's title and version,
// the read-me, the target folder and the Install, Browse and Cancel buttons.
// It is the main window in installer mode; closing it ends the program.

#include <QWidget>
#include <string>

class QKeyEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class TInstallForm : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 400;
  static constexpr int kClientHeight = 450;

  // Builds the window with the default target folder (made when missing) and
  // the text of "Readme.txt" beside the program; throws TRaisedError when
  // the read-me cannot be read.
  explicit TInstallForm(QWidget* parent = nullptr);

  // Sets the program's name, title and version, and the texts of the mode:
  // installing when the program file has the installer's name, uninstalling
  // (the program's own folder, no browsing) when the first argument is
  // "/Uninstall", which wins when both hold.
  void PrepareInstallForm(const std::string& programName, const std::string& description,
                          const std::string& version);

  void BrowseButtonClick();
  void InstallButtonClick();
  void CancelButtonClick();
  // Nothing without a target folder; else Uninstall or Install by the mode.
  void StartInstallOrUninstall();
  void Install();
  void Uninstall();

  std::string ProgramName;

  QLabel* MainPanel = nullptr;
  QLabel* DescriptionLabel = nullptr;
  QLabel* VersionLabel = nullptr;
  QLabel* InstructionsLabel = nullptr;
  QPlainTextEdit* ReadmeMemo = nullptr;
  QLabel* InstallToLabel = nullptr;
  QLineEdit* InstallToEdit = nullptr;
  QPushButton* BrowseButton = nullptr;
  QPushButton* InstallButton = nullptr;
  QPushButton* CancelButton = nullptr;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  std::string InstallToText() const;
};
