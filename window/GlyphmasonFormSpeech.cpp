// What the main window says to a screen reader after each event of play;
// the sentences themselves are made by the game (game/SpokenText).

#include <QLabel>

#include "Libraries/Text/ui/QtText.h"
#include "game/SpokenText.h"
#include "window/Announcer.h"
#include "window/BoardView.h"
#include "window/GlyphmasonForm.h"

void TGlyphmasonForm::Say(const std::string& text) {
  if (Announcer != nullptr) {
    Announcer->Say(ToQString(text));
  }
}

void TGlyphmasonForm::SayPutWord(TPutWordResult result) {
  if (result == TPutWordResult::Committed && !Game.Figures.Turns.empty()) {
    const TTurnFigures& turn = Game.Figures.Turns.back();
    Say(SpokenCommit(turn.Word, turn.Score, Game));
  } else if (result == TPutWordResult::Refused) {
    Say(FromQString(ValidWordLabel->text()));
  }
}

void TGlyphmasonForm::SayWhyNoWord() {
  if (Game.IsEnded()) {
    Say(FromQString(PlayStateLabel->text()));
  } else if (!WhyNoWordLabel->text().isEmpty()) {
    Say(FromQString(WhyNoWordLabel->text()));
  } else {
    Say(kSpokenNoLooseLetters);
  }
}

void TGlyphmasonForm::SayLetterChange(int32_t changesBefore) {
  if (Game.LetterChangesCount != changesBefore) {
    Say(SpokenLetters("New letters", Game));
  }
}

void TGlyphmasonForm::SayState() {
  Say(SpokenState(Game, BoardPaintBox->Cursor()));
}
