#include <gtest/gtest.h>

#include "game/Scoring.h"
#include "game/Referee.h"
#include "tests/game/RecordingDisplay.h"

namespace {

int32_t ScoreOfWeight(int32_t weight) {
  TLetterData letters;
  letters.LetterProbabilities[0] = weight;
  return CalculateLetterScore(letters, 0);
}

// A scores 1, B 2, C 10; two letters placed bring 2 more, three 5.
void GiveScores(TLetterData& letters) {
  letters.LetterScores[0] = 1;   // A
  letters.LetterScores[1] = 2;   // B
  letters.LetterScores[2] = 10;  // C
  letters.LengthScores = {0, 2, 5, 0, 0, 0, 0};
}

}  // namespace

TEST(LetterScore, WeightsFallInBandsFromTenDownToOne) {
  EXPECT_EQ(ScoreOfWeight(0), 0);
  // The first weight of each band, from score 10 down to score 1.
  const int32_t bandStarts[] = {1, 29, 88, 151, 219, 293, 377, 473, 592, 765, 1001};
  for (int32_t band = 0; band < 10; ++band) {
    EXPECT_EQ(ScoreOfWeight(bandStarts[band]), 10 - band) << bandStarts[band];
    EXPECT_EQ(ScoreOfWeight(bandStarts[band + 1] - 1), 10 - band) << bandStarts[band + 1] - 1;
  }
}

TEST(LetterScore, NothingOutsideTheSlotsOrTheAlphabet) {
  TLetterData letters;
  letters.LetterProbabilities.fill(500);
  EXPECT_EQ(CalculateLetterScore(letters, -1), 0);
  EXPECT_EQ(CalculateLetterScore(letters, kMaxAlphabetSlots), 0);
  letters.Alphabet[0] = 'Q';
  letters.LetterScores[0] = 10;
  EXPECT_EQ(LetterScoreOf(letters, 'Q'), 10);
  EXPECT_EQ(LetterScoreOf(letters, 'Z'), 0);
  EXPECT_EQ(LetterScoreText(letters, 'Z'), "Letter score 0");
  EXPECT_EQ(LetterScoreText(letters, 'Q'), "Letter score 10");
  EXPECT_EQ(LetterScoreText(letters, 0), "");
}

TEST(WordScore, CountsTheLooseLettersAndTheirNumberOnlyUpToTheLimit) {
  TGameScene scene;
  GiveScores(scene.Game.Letters);
  EXPECT_EQ(scene.Game.WordScore(), 0);
  scene.Picture({"aDbDc"});
  EXPECT_EQ(scene.Game.WordScore(), 1 + 2 + 10 + 5);
  // A total near the limit stops at the largest score a file holds.
  scene.Game.Score = kMaxScore - 10;
  EXPECT_EQ(CommitWord(scene.Game, false, {true, false}), TPutWordResult::Committed);
  EXPECT_EQ(scene.Game.Score, kMaxScore);
  EXPECT_EQ(AddScore(kMaxScore, 0), kMaxScore);
  EXPECT_EQ(AddScore(40, 18), 58);
}
