#pragma once
// The text of the summary shown when a game ends: the final score, the
// game's figures, its accuracy against par, and what became of it in the
// records.

#include <cstdint>
#include <string>
#include <vector>

#include "game/GameFigures.h"

// What the records made of an ended game.
struct TRecordOutcome {
  enum TKind {
    Unknown,         // not looked at (a game loaded as ended)
    Entered,         // Rank holds its place
    NotEntered,      // below the ten best
    UnknownWord,     // kept out: a word unknown to the words list was committed
    NoWord,          // kept out: no word was committed
    NotSaved,        // entered, but the records file could not be written
    FileUnreadable,  // kept out: the records file could not be read, nor kept aside
    SuggestionUsed,  // kept out: "Suggest word" was used
    UnknownWordAndSuggestion,  // kept out for both
    Undone,  // kept out: a move was undone (KeptOutAlso names any other reasons)
  };
  TKind Kind = Unknown;
  int32_t Rank = 0;
  // The table: dictionary and board size.
  std::string Table;
  // The name a records file that could not be read was kept under, beside
  // the new one; empty when there was none.
  std::string KeptUnreadableAs;
  // For Undone: the other reasons that kept the game out, as the summary
  // says them in English ("Suggest word was used"), marked for translation
  // in the context "GameSummary"; empty when undo was the only one.
  std::string KeptOutAlso;
};

struct TSummaryFacts {
  int32_t FinalScore = 0;
  int32_t LetterChangesUsed = 0;
  TGameFigures Figures;
  TRecordOutcome Outcome;
};

// One line per figure, in the order shown, in the player's language.
std::vector<std::string> GameSummaryLines(const TSummaryFacts& facts);

// The turn chart as text, one line per committed word in order: its number,
// the word, its score and the best possible then ("Word 1, CAT: 12 points,
// best possible 15"); one line saying so when no word was committed.
std::vector<std::string> TurnChartLines(const std::vector<TTurnFigures>& turns);
