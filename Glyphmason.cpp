// The program entry. The program file holds two applications: the game and,
// under the installer's name or with "/Uninstall", its own installer. Only
// one game runs at a time; a second start leaves at once without a word,
// after asking the running game to show its window.

#include <QApplication>
#include <QCursor>

#include "Libraries/Error/ui/GuardedApplication.h"
#include "Libraries/File/ui/QtFolderBrowser.h"
#include "Libraries/Install/InstallerMode.h"
#include "Libraries/MyDialogs/ui/FormParts.h"
#include "Libraries/MyDialogs/ui/QtFileDialogs.h"
#include "Libraries/MyDialogs/ui/QtMessageBoxes.h"
#include "Libraries/OperatingSystem/OperatingSystem.h"
#include "Libraries/Program/ProgramIdentity.h"
#include "Libraries/Program/ProgramInstance.h"
#include "Libraries/Program/ProgramPaths.h"
#include "Libraries/Program/Termination.h"
#include "Libraries/Text/ui/PlayerLanguage.h"
#include "window/ProgramWindows.h"

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
  // Before anything is shown: a second game leaves at once, exit code 0, and
  // the first shows its window again. The installer may run beside a game.
  if (!installerMode && IsAnotherInstanceRunning(kProgramName)) {
    return 0;
  }

  TGuardedApplication application(argc, argv);
  SetUpApplicationLook();
  // Before the first window: every text is made in the player's language.
  TPlayerLanguage language(GetProgramDirFile("translations"), DesktopLanguage());
  TQtMessageBoxes messageBoxes;
  MessageBoxesSeam::Install(&messageBoxes);
  TQtFolderBrowser folderBrowser;
  FolderBrowserSeam::Install(&folderBrowser);
  TQtFileDialogs fileDialogs;
  FileDialogsSeam::Install(&fileDialogs);
  Os::SetCursorPositionProvider(ToolkitCursorPosition);

  {
    // The windows outlive the status context that makes them, so that a
    // failure is shown in the error dialog before the windows go.
    TProgramWindows windows;
    RunProgramWindows(installerMode, windows, [] { QApplication::exec(); });
  }
  ReleaseProgramInstance();
  Os::SetCursorPositionProvider({});
  FileDialogsSeam::Install(nullptr);
  FolderBrowserSeam::Install(nullptr);
  MessageBoxesSeam::Install(nullptr);
  return 0;
}
