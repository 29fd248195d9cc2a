#pragma once
// The windows of one run, as the program entry makes them: the main window
// (the game's or the installer's), then the error dialog, the About dialog
// and the letter-choice dialog. They live as long as this object, which the
// entry keeps beyond the status context that makes them, so that a failure
// on the way is still shown in the error dialog.

#include <QWidget>
#include <functional>
#include <memory>

#include "Libraries/AboutDialog/ui/AboutForm.h"
#include "Libraries/Error/ui/ErrorForm.h"
#include "game/ui/ChooseLetterForm.h"

struct TProgramWindows {
  std::unique_ptr<QWidget> MainWindow;
  std::unique_ptr<TErrorForm> Error;
  std::unique_ptr<TAboutForm> About;
  std::unique_ptr<TChooseLetterForm> ChooseLetter;
};

// The entry's showing function "WinMain": makes the windows into windows,
// prepares the main window (PrepareInstallForm in installer mode, BeforeRun
// otherwise), shows it and runs runLoop, the message loop. An exception on
// the way is shown in the error dialog as "Failed to perform." when that
// dialog exists, else as the plain box for a missing error dialog.
void RunProgramWindows(bool installerMode, TProgramWindows& windows,
                       const std::function<void()>& runLoop);
