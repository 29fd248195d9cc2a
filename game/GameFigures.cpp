#include "game/GameFigures.h"

#include <algorithm>

int32_t TGameFigures::LettersPlaced() const {
  int32_t letters = 0;
  for (const TTurnFigures& turn : Turns) {
    letters += turn.LettersPlaced;
  }
  return letters;
}

int32_t TGameFigures::TurnsScore() const {
  int64_t score = 0;
  for (const TTurnFigures& turn : Turns) {
    score += turn.Score;
  }
  return static_cast<int32_t>(std::min<int64_t>(score, INT32_MAX));
}

int32_t TGameFigures::Par() const {
  int64_t par = 0;
  for (const TTurnFigures& turn : Turns) {
    par += turn.Par;
  }
  return static_cast<int32_t>(std::min<int64_t>(par, INT32_MAX));
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
  const int64_t par = Par();
  if (par <= 0) {
    return 0;
  }
  return static_cast<int32_t>((int64_t{TurnsScore()} * 200 + par) / (2 * par));
}

int32_t TGameFigures::AverageScoreTenths() const {
  const int64_t words = WordsCommitted();
  if (words == 0) {
    return 0;
  }
  return static_cast<int32_t>((int64_t{TurnsScore()} * 20 + words) / (2 * words));
}

std::string TenthsText(int32_t tenths) {
  return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}
