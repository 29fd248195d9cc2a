// The program entry. The program file holds two applications: the game and,
// under the installer's name or with "/Uninstall", its own installer. Only
// one game runs at a time; a second start leaves at once without a word.

#include <QCursor>
#include <QWidget>
#include <memory>

#include "Libraries/AboutDialog/ui/AboutForm.h"
#include "Libraries/Error/FunctionScope.h"
#include "Libraries/Error/ui/ErrorForm.h"
#include "Libraries/Error/ui/GuardedApplication.h"
#include "Libraries/File/ui/QtFolderBrowser.h"
#include "Libraries/Install/InstallerMode.h"
#include "Libraries/Install/ui/InstallForm.h"
#include "Libraries/MyDialogs/ui/FormParts.h"
#include "Libraries/MyDialogs/ui/QtFileDialogs.h"
#include "Libraries/MyDialogs/ui/QtMessageBoxes.h"
#include "Libraries/OperatingSystem/OperatingSystem.h"
#include "Libraries/Program/ProgramIdentity.h"
#include "Libraries/Program/ProgramInstance.h"
#include "Libraries/Program/Termination.h"
#include "game/ui/ChooseLetterForm.h"
#include "window/GlyphmasonForm.h"

namespace {
// The mouse position the random source stirs its entropy with.
bool ToolkitCursorPosition(int32_t& x, int32_t& y) {
  const QPoint position = QCursor::pos();
  x = position.x();
  y = position.y();
  return true;
}
}  // namespace

int main(int argc, char** argv) {
  InstallTerminateHandler();
  Os::SetCommandLine(argc, argv);
  const bool installerMode = IsInstallerMode();
  // Before anything is shown: a second game leaves at once, exit code 0. The
  // installer may run beside a game.
  if (!installerMode && IsAnotherInstanceRunning(kProgramName)) {
    return 0;
  }

  TGuardedApplication application(argc, argv);
  SetUpApplicationLook();
  TQtMessageBoxes messageBoxes;
  MessageBoxesSeam::Install(&messageBoxes);
  TQtFolderBrowser folderBrowser;
  FolderBrowserSeam::Install(&folderBrowser);
  TQtFileDialogs fileDialogs;
  FileDialogsSeam::Install(&fileDialogs);
  Os::SetCursorPositionProvider(ToolkitCursorPosition);

  ShowingFunction("WinMain", "", [&](TFunScope&) {
    QApplication::setApplicationName(kProgramTitle);
    TInstallForm* installForm = nullptr;
    TGlyphmasonForm* gameForm = nullptr;
    std::unique_ptr<QWidget> mainWindow;
    if (installerMode) {
      auto form = std::make_unique<TInstallForm>();
      installForm = form.get();
      mainWindow = std::move(form);
    } else {
      auto form = std::make_unique<TGlyphmasonForm>();
      gameForm = form.get();
      mainWindow = std::move(form);
    }
    TErrorForm errorForm(mainWindow.get());
    TAboutForm aboutForm(mainWindow.get());
    TChooseLetterForm chooseLetterForm(mainWindow.get());
    if (installForm != nullptr) {
      installForm->PrepareInstallForm(kProgramName, kProgramTitle, kProgramVersion);
    } else {
      gameForm->BeforeRun();
    }
    mainWindow->show();
    QApplication::exec();
  });
  ReleaseProgramInstance();
  Os::SetCursorPositionProvider({});
  FileDialogsSeam::Install(nullptr);
  FolderBrowserSeam::Install(nullptr);
  MessageBoxesSeam::Install(nullptr);
  return 0;
}
