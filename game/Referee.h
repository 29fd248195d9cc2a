#pragma once
// The referee stands above the rules: after every move it decides what the
// move means for the game as a whole. It gives a commit its par (the best
// score the letters on hand could make just before it) and records the turn
// in the game's figures, and it looks after each move whether the game is
// over. A game is over when the letters on hand (the stock and the loose
// letters) can make no word of the words list anywhere on the board, as the
// word finder decides, and no letter change is left. While they make no word
// but changes are left, the player is told to change letters. The player may
// also end a game at any time.
//
// The moves themselves (TGame::PutWord and game/LetterMoves) only apply the
// rules of the move; the session plays every move through here.

#include <cstdint>

#include "game/Game.h"

// The best score the letters on hand can make now; -1 when they make no word.
int32_t BestScoreOnHand(TGame& game);

// Looks where the game stands and records it (an ended game stays ended).
// Returns the state.
TPlayState CheckGameEnd(TGame& game);

// Ends the game as if it were over. Nothing happens to a game that has
// ended already.
void EndGame(TGame& game);

// Commits the loose letters' word (read backwards when flipped) as
// TGame::PutWord does; a committed word's turn goes into the figures with its
// par and whether the words list knew it, and the game's end is checked.
TPutWordResult CommitWord(TGame& game, bool flipped, const TUnknownWordRules& rules);

// The letter change of one stock slot (ReplaceStockLetter), then the end check.
void ChangeOneLetter(TGame& game, int32_t slot, char chosen);

// "New stock letters" (NewStockLetters), then the end check. False when no
// change was left and nothing happened.
bool ChangeAllLetters(TGame& game);
