#include <gtest/gtest.h>

#include "tests/game/RecordingDisplay.h"

namespace {

const TUnknownWordRules kRefuse{false, true}, kAllow{true, false}, kAllowAndAdd{true, true};

struct TPutWordScene : TGameScene {
  TPutWordScene() {
    Game.Letters.LengthScores = {0, 2, 5, 10, 20, 30, 50};
    Game.WordsListLines.ReadWordsListText("dog\r\ncat\r\nsea\r\n");
    Game.GameModified = false;
  }
};

}  // namespace

TEST(PutWord, KnownWordIsScoredFixedAndTheStockRefilled) {
  TPutWordScene scene;
  scene.Picture({"", "", "cat"}).Game.UpdatePutButtons();
  EXPECT_EQ(scene.Game.PutWord(false, kRefuse), TPutWordResult::Committed);
  EXPECT_EQ(scene.Display.ValidWord, "Last word is in the words list: \"CAT\"");
  EXPECT_EQ(scene.Game.Score, 3 * 8 + 5);
  EXPECT_EQ(scene.Display.Score, "Score 29");
  EXPECT_EQ(scene.Display.LetterScore, "");
  EXPECT_EQ(scene.Game.LooseLetterList.Count(), 0);
  EXPECT_TRUE(scene.Game.Board[1][2].IsFixedLetter());
  EXPECT_EQ(scene.Display.Repaints, 3);
  EXPECT_FALSE(scene.Display.PutButtonsEnabled);
  EXPECT_EQ(scene.Game.FirstEmptyStockSlot(), -1);
  EXPECT_TRUE(scene.Game.GameModified);

  // The next word scores only its own loose letters.
  scene.Picture({" s", " e"});
  EXPECT_EQ(scene.Game.PutWord(false, kRefuse), TPutWordResult::Committed);
  EXPECT_EQ(scene.Game.Score, 29 + 8 + 8 + 2);
}

TEST(PutWord, FlippedWordIsReadRightToLeftOrBottomToTop) {
  TPutWordScene scene;
  scene.Picture({"tac"});
  EXPECT_EQ(scene.Game.PutWord(true, kRefuse), TPutWordResult::Committed);
  EXPECT_EQ(scene.Display.ValidWord, "Last word is in the words list: \"CAT\"");
  scene.Picture({"", "", "", "", "", "", "", "", "", "Y", "x", "z"});
  EXPECT_EQ(scene.Game.PutWord(true, kAllowAndAdd), TPutWordResult::Committed);
  EXPECT_EQ(scene.Display.ValidWord, "Last word was NOT in the words list: \"ZXY\"");
  EXPECT_EQ(scene.Game.WordsListLines.Entry(3), "ZXY");
}

TEST(PutWord, RefusedUnknownWordChangesOnlyTheLabelUntilAllowed) {
  TPutWordScene scene;
  scene.Picture({"zz"});
  EXPECT_EQ(scene.Game.PutWord(false, kRefuse), TPutWordResult::Refused);
  EXPECT_EQ(scene.Display.ValidWord, "Last word was NOT in the words list: \"ZZ\"");
  EXPECT_EQ(scene.Game.LooseLetterList.Count(), 2);
  EXPECT_EQ(scene.Game.Score, 0);
  EXPECT_FALSE(scene.Game.GameModified);
  EXPECT_EQ(scene.Game.WordsListLines.Count(), 3);  // the add box has no effect

  EXPECT_EQ(scene.Game.PutWord(false, kAllow), TPutWordResult::Committed);
  EXPECT_EQ(scene.Game.Score, 18);
  EXPECT_EQ(scene.Game.WordsListLines.Count(), 3);
  EXPECT_FALSE(scene.Game.WordsListModified);
}

TEST(PutWord, AddedUnknownWordIsCountedAndKnownFromThenOn) {
  TPutWordScene scene;
  scene.Picture({"zz"});
  EXPECT_EQ(scene.Game.PutWord(false, kAllowAndAdd), TPutWordResult::Committed);
  EXPECT_TRUE(scene.Game.WordsListModified);
  EXPECT_EQ(scene.Display.WordsCount, "There are 4 words in the words list; new words.");
  scene.Picture({"", " z"});
  EXPECT_EQ(scene.Game.PutWord(false, kRefuse), TPutWordResult::Committed);
  EXPECT_EQ(scene.Display.ValidWord, "Last word is in the words list: \"ZZ\"");
}

TEST(PutWord, PressWithoutAWordDoesNothing) {
  TPutWordScene scene;
  scene.Picture({"a a"});
  EXPECT_EQ(scene.Game.PutWord(false, kAllowAndAdd), TPutWordResult::NoWord);
  EXPECT_EQ(scene.Display.ValidWord, "");
  EXPECT_EQ(scene.Game.WordsListLines.Count(), 3);
}
