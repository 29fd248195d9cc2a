// The main window's "Suggest word" command.

#include "Libraries/Error/FunctionScope.h"
#include "Libraries/MyDialogs/MyDialogs.h"
#include "game/SpokenText.h"
#include "game/Suggestion.h"
#include "window/BoardView.h"
#include "window/GlyphmasonForm.h"

void TGlyphmasonForm::SuggestWordMenuClick() {
  ShowingFunction(
      "TGlyphmasonForm::SuggestWordMenuClick", "Failed to suggest a word.", [&](TFunScope&) {
        // Without a game on the board or a usable dictionary there
        // is nothing to suggest; during a drag the letters are in hand.
        if (BoardPaintBox->isHidden() || Dictionary.ActiveLettersCount < kMinActiveLetters ||
            Drag.IsDragging() || Game.IsEnded()) {
          return;
        }
        const std::optional<TWordMove> move = FindSuggestion(Game);
        if (!move.has_value()) {
          ShowMessageDialog("The stock letters make no word of the words list here.");
          return;
        }
        PlaceSuggestion(Game, *this, *move);
        Game.Figures.CountSuggestion();
        // Enter commits the reading the words list knows.
        Say(SpokenSuggestion(*move, Game.OnlyFlippedReadingIsKnown()
                                        ? TCommitKeys{"Shift+Enter", "Enter"}
                                        : TCommitKeys{}));
      });
}
