#pragma once
// The short sentences the game says to a screen reader after each event of
// play, so that a player who cannot see the board hears what changed while
// the focus stays on the board. Letters and words are Windows-1252 text.

#include <cstdint>
#include <string>

#include "Libraries/Text/Translation.h"
#include "game/Board.h"
#include "game/BoardCursor.h"
#include "game/Game.h"
#include "game/WordFinder.h"

// A square's name in a form a player can say: columns lettered A .. Z, AA ..,
// rows numbered from 1 at the top ("H8", "AD30").
std::string SquareNameText(int32_t column, int32_t row);

// The seven stock letters in slot order, put for %1 into the sentence (in
// the player's language): "Your letters: %1." reads "Your letters: 1 K,
// 2 A, 3 empty, ..., 7 N." An empty slot is said as "empty".
std::string SpokenLetters(const std::string& sentence, const TGame& game);
// "Your letters: 1 K, 2 A, ..." and "New letters: ...", in the player's language.
std::string SpokenYourLetters(const TGame& game);
std::string SpokenNewLetters(const TGame& game);

// A letter put on a square: "K on H8".
std::string SpokenLetterPut(char letter, TCellPosition square);

// A committed word with its points, the new score and the new letters:
// "CAT for 12 points. Score 40. New letters: 1 K, ...".
std::string SpokenCommit(const std::string& word, int32_t points, const TGame& game);

// Said for a refused commit when no reason is shown: nothing lies loose.
// In English; whoever says it passes it to Translated("SpokenText", ...).
inline constexpr const char* kSpokenNoLooseLetters =
    TranslatableText("SpokenText", "No loose letters on the board.");

// The keys of the board that commit the loose letters' two readings.
struct TCommitKeys {
  std::string Word = "Enter";
  std::string Flipped = "Shift+Enter";
};

// A suggested word as the player reads it, from its first letter in its
// reading direction, and the key that commits it: "Suggested CAT from H8
// right. Enter puts it on the board." A flipped word is read from its far
// end ("Suggested TAC from J8 left. Shift+Enter puts the flipped word.").
std::string SpokenSuggestion(const TWordMove& move, const TCommitKeys& keys = {});

// The cursor's new direction: "Right" or "Down".
std::string SpokenDirection(bool down);

// The state of the game, for the key that reads it: the letters with their
// slots, the score, the letter changes left, and the cursor's square and
// direction.
std::string SpokenState(const TGame& game, const TBoardCursor& cursor);
