// The main window's About button.

#include "Libraries/AboutDialog/ui/AboutForm.h"
#include "window/GlyphmasonForm.h"

void TGlyphmasonForm::AboutButtonClick() {
  if (AboutForm != nullptr) {
    AboutForm->Dialog();
  }
}
