#include "game/Scoring.h"

#include "Libraries/MyMath/MyMath.h"

int32_t CalculateLetterScore(const TLetterData& letters, int32_t slot) {
  if (slot < 0 || slot >= kMaxAlphabetSlots || letters.LetterProbabilities[slot] < 1) {
    return 0;
  }
  const double q = letters.LetterProbabilities[slot] * 0.001;
  const double x = 9.0 * (1.0 - q) * (1.0 - q) + 1.0;
  return static_cast<int32_t>(RoundHalfUp(x));
}

int32_t LetterScoreOf(const TLetterData& letters, char letter) {
  const int32_t slot = letters.LetterIndex(letter);
  return slot < 0 ? 0 : letters.LetterScores[slot];
}

int32_t WordScore(const TLetterData& letters, const TBoard& board, const TLooseLetterList& loose) {
  const int32_t count = loose.Count();
  if (count == 0) {
    return 0;
  }
  int32_t score = letters.LengthScores[count - 1];
  for (int32_t i = 0; i < count; ++i) {
    score += LetterScoreOf(letters, board[loose[i].Column][loose[i].Row].Letter);
  }
  return score;
}

int32_t AddScore(int32_t total, int32_t wordScore) {
  const int64_t sum = int64_t{total} + wordScore;
  return sum > kMaxScore ? kMaxScore : static_cast<int32_t>(sum);
}

std::string ScoreText(int32_t score, int32_t possible) {
  std::string text = "Score " + std::to_string(score);
  if (possible >= 1) {
    text += "; possible score now " + std::to_string(possible);
  }
  return text;
}

std::string LetterScoreText(const TLetterData& letters, char letter) {
  if (letter == 0) {
    return {};
  }
  return "Letter score " + std::to_string(LetterScoreOf(letters, letter));
}
