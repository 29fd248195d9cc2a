#include <gtest/gtest.h>

#include "game/Scoring.h"
#include "tests/game/RecordingDisplay.h"

namespace {

int32_t ScoreOfWeight(int32_t weight) {
  TLetterData letters;
  letters.LetterProbabilities[0] = weight;
  return CalculateLetterScore(letters, 0);
}

}  // namespace

TEST(LetterScore, ExamplesFromRareToCommon) {
  EXPECT_EQ(ScoreOfWeight(0), 0);
  EXPECT_EQ(ScoreOfWeight(-5), 0);
  EXPECT_EQ(ScoreOfWeight(1), 10);
  EXPECT_EQ(ScoreOfWeight(300), 5);   // 5.41
  EXPECT_EQ(ScoreOfWeight(500), 3);   // 3.25
  EXPECT_EQ(ScoreOfWeight(1000), 1);
}

TEST(LetterScore, EveryWeightFallsInItsBand) {
  // The last weight of each band, from score 10 down to score 2.
  const int32_t bandEnds[] = {28, 87, 150, 218, 292, 376, 472, 591, 764};
  int32_t expected = 10;
  int32_t bandStart = 1;
  for (const int32_t bandEnd : bandEnds) {
    EXPECT_EQ(ScoreOfWeight(bandStart), expected) << bandStart;
    EXPECT_EQ(ScoreOfWeight(bandEnd), expected) << bandEnd;
    EXPECT_EQ(ScoreOfWeight(bandEnd + 1), expected - 1) << bandEnd + 1;
    bandStart = bandEnd + 1;
    --expected;
  }
  EXPECT_EQ(ScoreOfWeight(1000), 1);
}

TEST(LetterScore, SlotsOutsideTheAlphabetScoreNothing) {
  TLetterData letters;
  letters.LetterProbabilities.fill(500);
  EXPECT_EQ(CalculateLetterScore(letters, -1), 0);
  EXPECT_EQ(CalculateLetterScore(letters, kMaxAlphabetSlots), 0);
  EXPECT_EQ(CalculateLetterScore(letters, kMaxAlphabetSlots - 1), 3);
  letters.Alphabet[0] = 'Q';
  letters.LetterScores[0] = 10;
  EXPECT_EQ(LetterScoreOf(letters, 'Q'), 10);
  EXPECT_EQ(LetterScoreOf(letters, 'Z'), 0);
  EXPECT_EQ(LetterScoreOf(letters, 0), 0);
}

TEST(WordScore, CountsOnlyTheLooseLettersAndTheirNumber) {
  TGameScene scene;
  TLetterData& letters = scene.Game.Letters;
  letters.LetterScores[0] = 1;   // A
  letters.LetterScores[1] = 2;   // B
  letters.LetterScores[2] = 10;  // C
  letters.LetterScores[3] = 7;   // D
  letters.LengthScores = {0, 2, 5, 0, 0, 0, 0};
  EXPECT_EQ(scene.Game.WordScore(), 0);
  scene.FixedRow(3, 3, "D");
  scene.FixedRow(5, 3, "D");
  scene.LooseRow(2, 3, "A B C");
  ASSERT_EQ(scene.Word(), "ADBDC");
  EXPECT_EQ(scene.Game.WordScore(), 1 + 2 + 10 + 5);
}

TEST(WordScore, LetterOutsideTheAlphabetScoresNothing) {
  TGameScene scene;
  scene.Game.Letters.LetterScores[0] = 4;
  scene.Game.Letters.LengthScores = {1, 3, 0, 0, 0, 0, 0};
  scene.LooseRow(2, 2, "A#");
  EXPECT_EQ(scene.Game.WordScore(), 4 + 0 + 3);
}

TEST(ScoreTexts, TotalWithAndWithoutThePossibleScore) {
  EXPECT_EQ(ScoreText(42, 17), "Score 42; possible score now 17");
  EXPECT_EQ(ScoreText(42, 0), "Score 42");
  EXPECT_EQ(ScoreText(0, -3), "Score 0");
  TLetterData letters;
  letters.Alphabet[0] = 'A';
  letters.LetterScores[0] = 8;
  EXPECT_EQ(LetterScoreText(letters, 'A'), "Letter score 8");
  EXPECT_EQ(LetterScoreText(letters, 'X'), "Letter score 0");
  EXPECT_EQ(LetterScoreText(letters, 0), "");
}

TEST(ScoreTexts, GameShowsThemInItsLabels) {
  TGameScene scene;
  scene.Game.Score = 42;
  scene.Game.ShowScore(17);
  EXPECT_EQ(scene.Display.ScoreLabel, "Score 42; possible score now 17");
  scene.Game.Letters.LetterScores[1] = 9;
  scene.Game.ShowLetterScore('B');
  EXPECT_EQ(scene.Display.LetterScoreLabel, "Letter score 9");
  scene.Game.ShowLetterScore(0);
  EXPECT_EQ(scene.Display.LetterScoreLabel, "");
}
