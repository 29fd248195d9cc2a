#include <gtest/gtest.h>

#include "game/Scoring.h"
#include "tests/game/RecordingDisplay.h"

namespace {

class PutWord : public ::testing::Test {
 protected:
  PutWord() {
    for (int32_t i = 0; i < kMaxAlphabetSlots; ++i) {
      Scene.Game.Letters.LetterScores[i] = CalculateLetterScore(Scene.Game.Letters, i);
    }
    Scene.Game.Letters.LengthScores = {0, 2, 5, 10, 20, 30, 50};
    Scene.Game.WordsListLines.ReadWordsListText("dog\r\ncat\r\nsea\r\n");
    Scene.Game.GameModified = false;
  }

  TGameScene Scene;
  const TUnknownWordRules Strict{false, false};
  const TUnknownWordRules Lenient{true, false};
  const TUnknownWordRules Learning{true, true};
};

}  // namespace

TEST_F(PutWord, KnownWordIsScoredFixedAndTheStockRefilled) {
  Scene.LooseRow(3, 3, "CAT");
  Scene.Game.UpdatePutButtons();
  const int32_t score = Scene.Game.WordScore();
  ASSERT_EQ(score, 8 * 3 + 5);  // weight 100 scores 8; three letters add 5

  EXPECT_EQ(Scene.Game.PutWord(false, Strict), TPutWordResult::Committed);
  EXPECT_EQ(Scene.Display.ValidWordLabel, "Last word is in the words list: \"CAT\"");
  EXPECT_EQ(Scene.Game.Score, score);
  EXPECT_EQ(Scene.Display.ScoreLabel, "Score 29");
  EXPECT_EQ(Scene.Display.LetterScoreLabel, "");
  EXPECT_EQ(Scene.Game.LooseLetterList.Count(), 0);
  EXPECT_TRUE(Scene.Game.Board[4][3].IsFixedLetter());
  EXPECT_FALSE(Scene.Display.PutButtonsEnabled);
  EXPECT_EQ(Scene.Display.Repainted.size(), 3u);
  EXPECT_EQ(Scene.Game.FirstEmptyStockSlot(), -1);
  EXPECT_TRUE(Scene.Game.GameModified);
}

TEST_F(PutWord, FlippedRowIsLookedUpAndReportedBackwards) {
  Scene.LooseRow(3, 3, "TAC");
  EXPECT_EQ(Scene.Game.PutWord(true, Strict), TPutWordResult::Committed);
  EXPECT_EQ(Scene.Display.ValidWordLabel, "Last word is in the words list: \"CAT\"");
}

TEST_F(PutWord, FlippedColumnReadsBottomToTop) {
  Scene.LooseColumn(2, 0, "AES");
  EXPECT_EQ(Scene.Game.PutWord(true, Strict), TPutWordResult::Committed);
  EXPECT_EQ(Scene.Display.ValidWordLabel, "Last word is in the words list: \"SEA\"");
}

TEST_F(PutWord, FlippedUnknownWordIsAddedAsReadBackwards) {
  Scene.LooseRow(3, 3, "ZYX");
  EXPECT_EQ(Scene.Game.PutWord(true, Learning), TPutWordResult::Committed);
  EXPECT_EQ(Scene.Display.ValidWordLabel, "Last word was NOT in the words list: \"XYZ\"");
  EXPECT_EQ(Scene.Game.WordsListLines.Entry(3), "XYZ");
}

TEST_F(PutWord, LookupIgnoresLetterCase) {
  Scene.LooseRow(3, 3, "DOG");
  EXPECT_EQ(Scene.Game.PutWord(false, Strict), TPutWordResult::Committed);
}

TEST_F(PutWord, UnknownWordWithUnknownWordsRefusedChangesOnlyTheLabel) {
  Scene.LooseRow(3, 3, "ZZ");
  Scene.Game.UpdatePutButtons();
  const std::string scoreLabel = Scene.Display.ScoreLabel;

  EXPECT_EQ(Scene.Game.PutWord(false, {false, true}), TPutWordResult::Refused);
  EXPECT_EQ(Scene.Display.ValidWordLabel, "Last word was NOT in the words list: \"ZZ\"");
  EXPECT_EQ(Scene.Game.LooseLetterList.Count(), 2);
  EXPECT_TRUE(Scene.Game.Board[3][3].IsLooseLetter());
  EXPECT_EQ(Scene.Game.Score, 0);
  EXPECT_EQ(Scene.Display.ScoreLabel, scoreLabel);
  EXPECT_TRUE(Scene.Display.PutButtonsEnabled);
  EXPECT_FALSE(Scene.Game.GameModified);
  // The add box has no effect while unknown words are refused.
  EXPECT_EQ(Scene.Game.WordsListLines.Count(), 3);
  EXPECT_FALSE(Scene.Game.WordsListModified);

  // Pressed again with unknown words allowed, the word is committed.
  EXPECT_EQ(Scene.Game.PutWord(false, Lenient), TPutWordResult::Committed);
  EXPECT_EQ(Scene.Game.Score, 8 + 8 + 2);
  EXPECT_EQ(Scene.Game.WordsListLines.Count(), 3);
}

TEST_F(PutWord, UnknownWordIsAddedWhenAllowedAndAsked) {
  Scene.Game.ShowWordsCount();
  EXPECT_EQ(Scene.Display.WordsCountLabel, "There are 3 words in the words list.");
  Scene.LooseRow(3, 3, "ZZ");
  EXPECT_EQ(Scene.Game.PutWord(false, Learning), TPutWordResult::Committed);
  EXPECT_EQ(Scene.Display.ValidWordLabel, "Last word was NOT in the words list: \"ZZ\"");
  EXPECT_TRUE(Scene.Game.WordsListModified);
  EXPECT_EQ(Scene.Game.WordsListLines.Count(), 4);
  EXPECT_EQ(Scene.Game.WordsListLines.Entry(3), "ZZ");
  EXPECT_EQ(Scene.Display.WordsCountLabel, "There are 4 words in the words list; new words.");

  // The added word is known from now on.
  Scene.Loose(3, 4, 'Z');
  Scene.Loose(5, 3, 'Z');
  EXPECT_EQ(Scene.Game.ReadLooseWord(), "");
  Scene.Game.RemoveLooseLetter(5, 3);
  Scene.Game.RemoveLooseLetter(3, 4);
  Scene.LooseColumn(4, 4, "Z");
  EXPECT_EQ(Scene.Game.PutWord(false, Strict), TPutWordResult::Committed);
  EXPECT_EQ(Scene.Display.ValidWordLabel, "Last word is in the words list: \"ZZ\"");
}

TEST_F(PutWord, PressWithoutAWordDoesNothing) {
  Scene.Display.ValidWordLabel = "before";
  EXPECT_EQ(Scene.Game.PutWord(false, Learning), TPutWordResult::NoWord);
  Scene.Loose(1, 1, 'A');
  Scene.Loose(3, 1, 'A');
  EXPECT_EQ(Scene.Game.PutWord(true, Learning), TPutWordResult::NoWord);
  EXPECT_EQ(Scene.Display.ValidWordLabel, "before");
  EXPECT_EQ(Scene.Game.WordsListLines.Count(), 3);
}

TEST_F(PutWord, SecondWordMustConnectAndScoresOnlyItsLooseLetters) {
  Scene.LooseRow(3, 3, "CAT");
  ASSERT_EQ(Scene.Game.PutWord(false, Strict), TPutWordResult::Committed);
  const int32_t first = Scene.Game.Score;

  // Two letters away from the first word form no word.
  Scene.LooseRow(10, 10, "DO");
  EXPECT_EQ(Scene.Game.PutWord(false, Lenient), TPutWordResult::NoWord);
  Scene.Game.RemoveLooseLetter(10, 10);
  Scene.Game.RemoveLooseLetter(11, 10);

  // S, E placed above the fixed A read down the column through it.
  Scene.LooseColumn(4, 1, "SE");
  EXPECT_EQ(Scene.Game.ReadLooseWord(), "SEA");
  EXPECT_EQ(Scene.Game.PutWord(false, Strict), TPutWordResult::Committed);
  EXPECT_EQ(Scene.Game.Score, first + 8 + 8 + 2);
}
