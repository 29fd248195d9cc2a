#pragma once
// What a game has done since its first commit: every word committed with
// its score beside the par of its turn (the best score the word finder could
// make from the same letters just before the commit), the suggestions used,
// and whether a word the words list did not know was ever committed.
// Its sums, percentage and average stay within 0..INT32_MAX, whatever the
// turns hold.

#include <cstdint>
#include <string>
#include <vector>

#include "game/Board.h"

// The most turns a game holds: each commit fixes at least one letter on an
// empty square, so the largest board takes no more.
inline constexpr int32_t kMaxTurns = kMaxBoardSize * kMaxBoardSize;
// The most one turn can score, and so the most its par can be: seven letters
// of at most 10 each and a bonus of at most 1000, with room to spare. Even
// kMaxTurns such turns stay far below the int32 limit.
inline constexpr int32_t kMaxTurnScore = 100000;
// The most uses of "Suggest word" a game counts: far beyond any game, and
// one more never runs over.
inline constexpr int32_t kMaxSuggestionsUsed = 1000000000;
// The most undos a game counts, for the same reason.
inline constexpr int32_t kMaxUndosUsed = 1000000000;

struct TTurnFigures {
  int32_t Score = 0;
  // The best score the letters on hand allowed at that moment.
  int32_t Par = 0;
  int32_t LettersPlaced = 0;
  std::string Word;
  friend bool operator==(const TTurnFigures&, const TTurnFigures&) = default;
};

struct TGameFigures {
  std::vector<TTurnFigures> Turns;
  int32_t SuggestionsUsed = 0;
  bool UnknownWordCommitted = false;
  // Moves taken back; an undo stays counted whatever is redone or undone after.
  int32_t UndosUsed = 0;

  // True while nothing has been recorded: no commit, no suggestion, no undo.
  bool IsEmpty() const {
    return Turns.empty() && SuggestionsUsed == 0 && !UnknownWordCommitted && UndosUsed == 0;
  }
  int32_t WordsCommitted() const { return static_cast<int32_t>(Turns.size()); }
  // Counts one more use of "Suggest word"; the count stops at
  // kMaxSuggestionsUsed.
  void CountSuggestion();
  // Counts one more undo; the count stops at kMaxUndosUsed.
  void CountUndo();
  // The sum of the turns' letters placed; a negative count adds nothing.
  int32_t LettersPlaced() const;
  // The sum of the committed words' scores; a negative score adds nothing.
  int32_t TurnsScore() const;
  // The sum of the turns' pars; a negative par adds nothing.
  int32_t Par() const;
  // The first of the highest-scoring turns; nullptr before the first commit.
  const TTurnFigures* BestTurn() const;
  // The turns' score as a whole percentage of par, rounded half up; 0
  // without words, 100 when the par is 0 (no word of the list could score,
  // so none was missed). A word the list did not know can take it above 100.
  int32_t AccuracyPercent() const;
  // The average score per word in tenths, rounded half up; 0 without words.
  int32_t AverageScoreTenths() const;

  friend bool operator==(const TGameFigures&, const TGameFigures&) = default;
};

// Tenths as text with one decimal, as the player's language writes it: 125
// reads "12.5" in English, "12,5" in German.
std::string TenthsText(int32_t tenths);
