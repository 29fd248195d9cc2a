#pragma once
// The end of a game. A game is over when the letters on hand (the stock and
// the loose letters) can make no word of the words list anywhere on the
// board, as the word finder decides, and no letter change is left. While
// they make no word but changes are left, the player is told to change
// letters. The player may also end a game at any time.

#include <cstdint>

#include "game/Game.h"

// The best score the letters on hand can make now; -1 when they make no word.
int32_t BestScoreOnHand(TGame& game);

// Looks where the game stands and records it (an ended game stays ended).
// When the game is over now and announce is set, the display hears that it
// ended. Returns the state.
TPlayState CheckGameEnd(TGame& game, bool announce);

// Ends the game as if it were over; the display hears that it ended.
// Nothing happens to a game that has ended already.
void EndGame(TGame& game);
