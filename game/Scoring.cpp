#include "game/Scoring.h"

#include "Libraries/MyMath/MyMath.h"
#include "Libraries/Text/Translation.h"

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
  if (possible >= 1) {
    //: Label, 290 px wide: %1 is the game's score, %2 what the loose letters would add now
    return FilledIn(Translated("Scoring", "Score %1; possible score now %2"),
                    {std::to_string(score), std::to_string(possible)});
  }
  //: Label, 290 px wide: %1 is the game's score
  return FilledIn(Translated("Scoring", "Score %1"), {std::to_string(score)});
}

std::string LetterScoreText(const TLetterData& letters, char letter) {
  if (letter == 0) {
    return {};
  }
  //: Label, 294 px wide: %1 is the points of the letter the mouse points at
  return FilledIn(Translated("Scoring", "Letter score %1"),
                  {std::to_string(LetterScoreOf(letters, letter))});
}
