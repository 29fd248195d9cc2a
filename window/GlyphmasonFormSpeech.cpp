// How the main window says a sentence to a screen reader; the session
// decides what is said after each event of play.

#include "Libraries/Text/ui/QtText.h"
#include "window/Announcer.h"
#include "window/GlyphmasonForm.h"

void TGlyphmasonForm::Say(const std::string& text) {
  if (Announcer != nullptr) {
    Announcer->Say(ToQString(text));
  }
}

