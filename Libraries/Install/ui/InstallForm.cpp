#include "Libraries/Install/ui/InstallForm.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include "Libraries/File/FolderBrowser.h"
#include "Libraries/File/PathText.h"
#include "Libraries/File/SystemFolders.h"
#include "Libraries/File/WholeFile.h"
#include "Libraries/Install/Installation.h"
#include "Libraries/Install/InstallerMode.h"
#include "Libraries/MyDialogs/ui/FormParts.h"
#include "Libraries/Program/ProgramPaths.h"
#include "Libraries/Text/Text.h"
#include "Libraries/Text/ui/PlayerLanguage.h"
#include "Libraries/Text/ui/QtText.h"

namespace {
constexpr int kMainPanelFontPixels = 30;
}  // namespace

TInstallForm::TInstallForm(QWidget* parent) : QWidget(parent, kFixedMainWindowFlags) {
  //: Window title
  SetUpFixedForm(*this, "InstallForm", tr("Install"), {kClientWidth, kClientHeight});
  SetProgramFont(*this);

  MainPanel = MakeLabel(this, "MainPanel", "MainPanel", {8, 8, 384, 56});
  MainPanel->setAlignment(Qt::AlignCenter);
  MainPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  QFont panelFont = MainPanel->font();
  panelFont.setPixelSize(kMainPanelFontPixels);
  panelFont.setBold(true);
  panelFont.setItalic(true);
  MainPanel->setFont(panelFont);

  DescriptionLabel = MakeLabel(this, "DescriptionLabel", "DescriptionLabel", {8, 72, 384, 18});
  DescriptionLabel->setAlignment(Qt::AlignCenter);
  VersionLabel = MakeLabel(this, "VersionLabel", "VersionLabel", {8, 92, 384, 18});
  VersionLabel->setAlignment(Qt::AlignCenter);
  InstructionsLabel = MakeLabel(this, "InstructionsLabel", "InstructionsLabel", {8, 116, 384, 64});
  InstructionsLabel->setWordWrap(true);
  //: Four lines at most, 384 px wide
  InstructionsLabel->setText(
      tr("The program can be reinstalled without the need to uninstall its previous version. The "
         "existing options file will be preserved. If you want to repair the installed package, "
         "simply reinstall the program. Before continuing, close any running instances of the "
         "program."));

  ReadmeMemo = new QPlainTextEdit(this);
  ReadmeMemo->setObjectName("ReadmeMemo");
  ReadmeMemo->setGeometry(8, 184, 384, 160);
  ReadmeMemo->setReadOnly(true);
  ReadmeMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  ReadmeMemo->setTabChangesFocus(true);
  ReadmeMemo->setPlainText(ToQString(
      WithoutCarriageReturns(ReadWholeFile(ProgramDirFileInPlayerLanguage(kReadmeFileName)))));

  InstallToLabel = MakeLabel(this, "InstallToLabel", "InstallToLabel", {8, 350, 384, 18});
  InstallToEdit = new QLineEdit(this);
  InstallToEdit->setObjectName("InstallToEdit");
  InstallToEdit->setGeometry(8, 370, 298, 26);
  InstallToEdit->setReadOnly(true);
  InstallToEdit->setText(PathToQString(GetSystemDirectoryPath(kFolderProgramFiles)));

  //: Button caption, 80 px wide: picks the folder to install in
  BrowseButton = MakeButton(this, "BrowseButton", tr("&Browse"), {312, 369, 80, 28});
  //: Button caption, 86 px wide
  InstallButton = MakeButton(this, "InstallButton", tr("&Install"), {212, 412, 86, 28});
  //: Button caption, 86 px wide
  CancelButton = MakeButton(this, "CancelButton", tr("&Cancel"), {306, 412, 86, 28});
  connect(BrowseButton, &QPushButton::clicked, this, [this] { BrowseButtonClick(); });
  connect(InstallButton, &QPushButton::clicked, this, [this] { InstallButtonClick(); });
  connect(CancelButton, &QPushButton::clicked, this, [this] { CancelButtonClick(); });

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
  ReadmeMemo->setFocus();
}

void TInstallForm::PrepareInstallForm(const std::string& programName,
                                      const std::string& description, const std::string& version) {
  ProgramName = programName;
  DescriptionLabel->setText(ToQString(description));
  // The version line comes in the player's language (ProgramVersionText).
  VersionLabel->setText(ToQString(version));
  const QString name = ToQString(ProgramName);
  if (IsInstallerFileName(GetProgramFileName())) {
    //: Window title; %1 is the program's name
    setWindowTitle(tr("Install %1").arg(name));
    //: Large greeting, 384 px wide; %1 is the program's name
    MainPanel->setText(tr("Welcome to %1").arg(name));
    //: One line, 384 px wide
    InstallToLabel->setText(tr("The program's installation directory will be put in directory:"));
    //: Button caption, 86 px wide
    InstallButton->setText(tr("&Install"));
  }
  if (IsUninstallArgument(GetCommandLineParameter(1))) {
    //: Window title; %1 is the program's name
    setWindowTitle(tr("Uninstall %1").arg(name));
    //: Large greeting, 384 px wide; %1 is the program's name
    MainPanel->setText(tr("Bye from %1").arg(name));
    //: One line, 384 px wide
    InstallToLabel->setText(tr("The following directory will be deleted:"));
    //: Button caption, 86 px wide
    InstallButton->setText(tr("Un&install"));
    InstallToEdit->setText(PathToQString(IncludeSlashIfNotEmpty(GetProgramDirectory())));
    InstallToEdit->setReadOnly(true);
    BrowseButton->setEnabled(false);
  }
}

void TInstallForm::BrowseButtonClick() {
  std::string directory;
  if (BrowseForDirectory("", "", directory)) {
    InstallToEdit->setText(PathToQString(IncludeSlashIfNotEmpty(directory)));
  }
}

void TInstallForm::InstallButtonClick() {
  InstallButton->setEnabled(false);
  StartInstallOrUninstall();
  close();
}

void TInstallForm::CancelButtonClick() {
  close();
}

void TInstallForm::keyPressEvent(QKeyEvent* event) {
  // Escape works as the Cancel button, wherever the focus is.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    CancelButtonClick();
    return;
  }
  QWidget::keyPressEvent(event);
}

void TInstallForm::StartInstallOrUninstall() {
  if (InstallToText().empty()) {
    return;
  }
  if (IsUninstallArgument(GetCommandLineParameter(1))) {
    Uninstall();
  } else {
    Install();
  }
}

void TInstallForm::Install() {
  InstallProgram(ProgramName, InstallToText());
}

void TInstallForm::Uninstall() {
  UninstallProgram(ProgramName, InstallToText());
}

std::string TInstallForm::InstallToText() const {
  return PathFromQString(InstallToEdit->text());
}
