#include "game/GameFigures.h"

#include <algorithm>

#include "Libraries/Text/Translation.h"
#include "lexicon/LetterData.h"

namespace {

// A letter scores at most 10 and a dictionary's bonus is at most 1000.
static_assert(kLengthScoreSlots * 10 + kMaxLetterProbability <= kMaxTurnScore);
// The sums, and the percentage and tenths made from them, fit in 64 bits.
static_assert(int64_t{kMaxTurns} * kMaxTurnScore < INT32_MAX);
static_assert(kMaxSuggestionsUsed < INT32_MAX && kMaxUndosUsed < INT32_MAX);

int32_t ClampedToInt32(int64_t value) {
  return static_cast<int32_t>(std::clamp<int64_t>(value, 0, INT32_MAX));
}

// The sum of one number of every turn, negative numbers counting as 0.
template <typename TNumberOf>
int32_t SumOfTurns(const std::vector<TTurnFigures>& turns, TNumberOf numberOf) {
  int64_t sum = 0;
  for (const TTurnFigures& turn : turns) {
    sum += std::max(numberOf(turn), 0);
    if (sum >= INT32_MAX) {
      return INT32_MAX;
    }
  }
  return static_cast<int32_t>(sum);
}

}  // namespace

void TGameFigures::CountSuggestion() {
  SuggestionsUsed = std::clamp(SuggestionsUsed, 0, kMaxSuggestionsUsed - 1) + 1;
}

void TGameFigures::CountUndo() { UndosUsed = std::clamp(UndosUsed, 0, kMaxUndosUsed - 1) + 1; }

int32_t TGameFigures::LettersPlaced() const {
  return SumOfTurns(Turns, [](const TTurnFigures& turn) { return turn.LettersPlaced; });
}

int32_t TGameFigures::TurnsScore() const {
  return SumOfTurns(Turns, [](const TTurnFigures& turn) { return turn.Score; });
}

int32_t TGameFigures::Par() const {
  return SumOfTurns(Turns, [](const TTurnFigures& turn) { return turn.Par; });
}

const TTurnFigures* TGameFigures::BestTurn() const {
  const TTurnFigures* best = nullptr;
  for (const TTurnFigures& turn : Turns) {
    if (best == nullptr || turn.Score > best->Score) {
      best = &turn;
    }
  }
  return best;
}

int32_t TGameFigures::AccuracyPercent() const {
  if (Turns.empty()) {
    return 0;
  }
  const int64_t par = Par();
  if (par == 0) {
    return 100;
  }
  return ClampedToInt32((int64_t{TurnsScore()} * 200 + par) / (2 * par));
}

int32_t TGameFigures::AverageScoreTenths() const {
  const int64_t words = WordsCommitted();
  if (words == 0) {
    return 0;
  }
  return ClampedToInt32((int64_t{TurnsScore()} * 20 + words) / (2 * words));
}

std::string TenthsText(int32_t tenths) {
  //: A number with one decimal, as the language writes it: %1 is the whole part, %2 the tenth
  return FilledIn(Translated("GameFigures", "%1.%2"),
                  {std::to_string(tenths / 10), std::to_string(tenths % 10)});
}
