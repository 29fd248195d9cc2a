// The program entry: sets up the application object and the error dialog,
// shows the game's window and runs the event loop.

#include <QWidget>

#include "Libraries/Error/FunctionScope.h"
#include "Libraries/Error/ui/ErrorForm.h"
#include "Libraries/Error/ui/GuardedApplication.h"
#include "Libraries/MyDialogs/ui/QtMessageBoxes.h"
#include "Libraries/OperatingSystem/OperatingSystem.h"

namespace {
constexpr const char* kProgramTitle = "Glyphmason";
}

int main(int argc, char** argv) {
  Os::SetCommandLine(argc, argv);
  TGuardedApplication application(argc, argv);
  TQtMessageBoxes messageBoxes;
  MessageBoxesSeam::Install(&messageBoxes);

  ShowingFunction("WinMain", "", [&](TFunScope&) {
    QApplication::setApplicationName(kProgramTitle);
    // The game's window until the main window lands.
    QWidget mainWindow;
    mainWindow.setObjectName("GlyphmasonForm");
    mainWindow.setWindowTitle(kProgramTitle);
    mainWindow.resize(972, 701);
    TErrorForm errorForm(&mainWindow);
    mainWindow.show();
    QApplication::exec();
  });
  return 0;
}
