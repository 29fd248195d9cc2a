#pragma once
// The one-word rule: the loose letters, with the letters they touch, must
// read as exactly one word left to right in a row or top to bottom in a
// column, and every word but a game's first must run through a fixed letter.

#include <cstdint>
#include <string>

#include "game/Board.h"

// True when no square of the columns x rows area holds a fixed letter.
bool HasNoFixedLetters(const TBoard& board, int32_t columns, int32_t rows);

// The word the loose letters form, in reading order; empty text when they
// break the rule. A lone loose letter reads with the whole run of letters
// through its one occupied neighbour; touching none or two or more, it forms
// no word. Squares are read up to the edges of the board array (those outside
// the current columns x rows area are empty). A word that is read has at
// least 2 letters.
std::string ReadLooseWord(const TBoard& board, const TLooseLetterList& loose, int32_t columns,
                          int32_t rows);

// Why the loose letters form no word, or None when they form one.
enum class TWordProblem {
  None,
  NoLooseLetters,
  NotInOneLine,           // neither one row nor one column
  LoneLetter,             // a lone loose letter touching nothing
  LetterBetweenLetters,   // a lone loose letter touching letters on two or more sides
  TouchesAcross,          // a loose letter touches a letter across the word's line
  Gap,                    // an empty square inside the word
  NotThroughFixedLetter,  // a later word that runs through no fixed letter
};

struct TLooseWordReading {
  std::string Word;  // empty when the rule is broken
  TWordProblem Problem = TWordProblem::None;
};

// The word of ReadLooseWord, together with the first problem found when
// there is none: the rule is checked in the same order as ReadLooseWord reads.
TLooseWordReading ReadLooseWordWithProblem(const TBoard& board, const TLooseLetterList& loose,
                                           int32_t columns, int32_t rows);

// A short sentence a player understands for the problem, in the player's
// language; empty text for None and NoLooseLetters, where there is nothing
// to explain.
std::string WordProblemText(TWordProblem problem);

// Whether the commit buttons are offered: a word of 2 or more letters read
// from 1 to 7 loose letters.
bool CanPutWord(const std::string& word, int32_t looseCount);
