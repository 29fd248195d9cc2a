#include "window/ProgramWindows.h"

#include <QApplication>

#include "Libraries/Error/FunctionScope.h"
#include "Libraries/Install/ui/InstallForm.h"
#include "Libraries/Program/ProgramIdentity.h"
#include "window/GlyphmasonForm.h"
#include "window/ShowWindowRequests.h"

void RunProgramWindows(bool installerMode, TProgramWindows& windows,
                       const std::function<void()>& runLoop) {
  ShowingFunction("WinMain", "", [&](TFunScope&) {
    QApplication::setApplicationName(kProgramTitle);
    TInstallForm* installForm = nullptr;
    TGlyphmasonForm* gameForm = nullptr;
    if (installerMode) {
      auto form = std::make_unique<TInstallForm>();
      installForm = form.get();
      windows.MainWindow = std::move(form);
    } else {
      auto form = std::make_unique<TGlyphmasonForm>();
      gameForm = form.get();
      new TShowWindowRequests(*gameForm);  // a child of the window
      windows.MainWindow = std::move(form);
    }
    windows.Error = std::make_unique<TErrorForm>(windows.MainWindow.get());
    windows.About = std::make_unique<TAboutForm>(windows.MainWindow.get());
    windows.ChooseLetter = std::make_unique<TChooseLetterForm>(windows.MainWindow.get());
    if (installForm != nullptr) {
      installForm->PrepareInstallForm(kProgramName, kProgramTitle, ProgramVersionText());
    } else {
      gameForm->BeforeRun();
    }
    windows.MainWindow->show();
    runLoop();
  });
}
