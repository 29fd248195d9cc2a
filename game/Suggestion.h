#pragma once
// "Suggest word": the best move the letters on hand can make in the game,
// and putting its letters down the way the player would drag them.

#include <optional>
#include <string>

#include "game/Game.h"
#include "game/WordFinder.h"

// The best move for the stock letters and the loose letters, which it takes
// back in thought. None when no word of the words list can be made, and none
// when the loose letters would not all fit back into the stock.
std::optional<TWordMove> FindSuggestion(TGame& game);

// Takes the loose letters back to the stock, then drops the move's letters
// from their stock slots onto their squares as loose letters, as dragging
// them does (the game is modified, the commit buttons and the possible score
// follow), and says in the word label which button commits the word. A
// move that needs a letter the stock and the loose letters do not hold
// changes nothing.
void PlaceSuggestion(TGame& game, IGameDisplay& display, const TWordMove& move);

// The word label's text for a suggested move, naming its commit button.
std::string SuggestionText(const TWordMove& move);
