#pragma once
// The numbers the game scores with: the score of each letter, derived from
// its weight, the score the loose letters would bring if committed, and the
// two status texts that show them.

#include <cstdint>
#include <string>

#include "game/Board.h"
#include "lexicon/LetterData.h"

// The score of alphabet slot `slot`: 9 x (1 - weight / 1000)^2 + 1 rounded
// half up, so weights 1..1000 give 10 down to 1. 0 for a slot outside 0..39
// and for a weight below 1.
int32_t CalculateLetterScore(const TLetterData& letters, int32_t slot);

// The score of a letter as the alphabet gives it; 0 for a letter that is not
// in the alphabet (or 0 for no letter).
int32_t LetterScoreOf(const TLetterData& letters, char letter);

// What the loose letters would score now: the scores of the loose letters
// (fixed letters of the word add nothing) plus the bonus for their count.
// 0 without loose letters. The one-word rule is not checked.
int32_t WordScore(const TLetterData& letters, const TBoard& board, const TLooseLetterList& loose);

// The largest total a game keeps: the most the game file can hold.
inline constexpr int32_t kMaxScore = INT32_MAX;

// The total after adding a word's score; it stops at kMaxScore instead of
// running over.
int32_t AddScore(int32_t total, int32_t wordScore);

// "Score 42", or "Score 42; possible score now 17" when possible is 1 or more.
std::string ScoreText(int32_t score, int32_t possible);

// "Letter score 8" for a letter; empty text for no letter (0).
std::string LetterScoreText(const TLetterData& letters, char letter);
