// The program entry. The program file holds two applications: the game and,
// under the installer's name or with "/Uninstall", its own installer. Only
// one game runs at a time; a second start leaves at once without a word.

#include <QWidget>
#include <memory>

#include "Libraries/AboutDialog/ui/AboutForm.h"
#include "Libraries/Error/FunctionScope.h"
#include "Libraries/Error/ui/ErrorForm.h"
#include "Libraries/Error/ui/GuardedApplication.h"
#include "Libraries/File/ui/QtFolderBrowser.h"
#include "Libraries/Install/InstallerMode.h"
#include "Libraries/Install/ui/InstallForm.h"
#include "Libraries/MyDialogs/ui/QtMessageBoxes.h"
#include "Libraries/OperatingSystem/OperatingSystem.h"
#include "Libraries/Program/ProgramInstance.h"
#include "Libraries/Program/Termination.h"

namespace {
constexpr const char* kProgramName = "Glyphmason";
constexpr const char* kProgramTitle = "Glyphmason";
constexpr const char* kProgramVersion = "Version 2.5.2, released on 06.01.2006";

// ---- The game's main window -------------------------------------------------
// A placeholder until TGlyphmasonForm lands; then CreateGameWindow makes a
// TGlyphmasonForm and PrepareGameWindow calls its BeforeRun.
std::unique_ptr<QWidget> CreateGameWindow() {
  auto window = std::make_unique<QWidget>();
  window->setObjectName("GlyphmasonForm");
  window->setWindowTitle(kProgramTitle);
  window->resize(972, 701);
  return window;
}

void PrepareGameWindow(QWidget& window) { (void)window; }
// -----------------------------------------------------------------------------
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
  TQtMessageBoxes messageBoxes;
  MessageBoxesSeam::Install(&messageBoxes);
  TQtFolderBrowser folderBrowser;
  FolderBrowserSeam::Install(&folderBrowser);

  ShowingFunction("WinMain", "", [&](TFunScope&) {
    QApplication::setApplicationName(kProgramTitle);
    TInstallForm* installForm = nullptr;
    std::unique_ptr<QWidget> mainWindow;
    if (installerMode) {
      auto form = std::make_unique<TInstallForm>();
      installForm = form.get();
      mainWindow = std::move(form);
    } else {
      mainWindow = CreateGameWindow();
    }
    TErrorForm errorForm(mainWindow.get());
    TAboutForm aboutForm(mainWindow.get());
    // The letter-choice dialog is created here.
    if (installForm != nullptr) {
      installForm->PrepareInstallForm(kProgramName, kProgramTitle, kProgramVersion);
    } else {
      PrepareGameWindow(*mainWindow);
    }
    mainWindow->show();
    QApplication::exec();
  });
  ReleaseProgramInstance();
  FolderBrowserSeam::Install(nullptr);
  MessageBoxesSeam::Install(nullptr);
  return 0;
}
