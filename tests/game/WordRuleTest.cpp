#include <gtest/gtest.h>

#include "game/WordRule.h"
#include "tests/game/RecordingDisplay.h"

TEST(OneWordRule, NoLooseLettersFormNoWord) {
  TGameScene scene;
  EXPECT_EQ(scene.Word(), "");
}

TEST(OneWordRule, FirstWordMayStandAloneOnAnEmptyBoard) {
  TGameScene scene;
  scene.LooseRow(3, 4, "AT");
  EXPECT_EQ(scene.Word(), "AT");
}

TEST(OneWordRule, LaterWordsMustRunThroughAFixedLetter) {
  TGameScene scene;
  scene.FixedRow(0, 0, "CAT");
  scene.LooseRow(6, 6, "AT");
  EXPECT_EQ(scene.Word(), "");
}

TEST(OneWordRule, FixedLettersOutsideTheCurrentBoardDoNotCountAsTheFirstWord) {
  // The connection test looks only at the current board.
  TGameScene scene(10, 10);
  scene.LooseRow(2, 2, "AT");
  EXPECT_TRUE(scene.Game.HasNoFixedLetters());
  EXPECT_EQ(scene.Word(), "AT");
}

TEST(OneWordRule, LoneLetterReadsTheWholeRunOfItsOneNeighbour) {
  TGameScene scene;
  scene.FixedRow(2, 5, "CAT");
  scene.Loose(5, 5, 'S');
  EXPECT_EQ(scene.Word(), "CATS");
}

TEST(OneWordRule, LoneLetterBelowAColumnReadsDownwards) {
  TGameScene scene;
  scene.FixedColumn(7, 1, "DO");
  scene.Loose(7, 3, 'G');
  EXPECT_EQ(scene.Word(), "DOG");
}

TEST(OneWordRule, LoneLetterBetweenTwoLettersFormsNoWord) {
  TGameScene scene;
  scene.FixedRow(2, 5, "C");
  scene.FixedRow(4, 5, "T");
  scene.Loose(3, 5, 'A');
  EXPECT_EQ(scene.Word(), "");
}

TEST(OneWordRule, LoneLetterTouchingNothingFormsNoWord) {
  TGameScene scene;
  scene.FixedRow(0, 0, "CAT");
  scene.Loose(8, 8, 'A');
  EXPECT_EQ(scene.Word(), "");
}

TEST(OneWordRule, LoneLetterTouchingAboveAndBesideFormsNoWord) {
  TGameScene scene;
  scene.FixedRow(2, 5, "CA");
  scene.FixedRow(4, 4, "X");
  scene.Loose(4, 5, 'T');
  EXPECT_EQ(scene.Word(), "");
}

TEST(OneWordRule, FixedLetterBetweenLooseLettersJoinsTheWord) {
  TGameScene scene;
  scene.FixedRow(5, 3, "A");
  scene.LooseRow(4, 3, "C T");
  EXPECT_EQ(scene.Word(), "CAT");
}

TEST(OneWordRule, GapBetweenLooseLettersFormsNoWord) {
  TGameScene scene;
  scene.LooseRow(4, 3, "C T");
  EXPECT_EQ(scene.Word(), "");
}

TEST(OneWordRule, LettersNeitherInOneRowNorOneColumnFormNoWord) {
  TGameScene scene;
  scene.Loose(4, 3, 'A');
  scene.Loose(5, 4, 'T');
  EXPECT_EQ(scene.Word(), "");
}

TEST(OneWordRule, RowWordWithALetterAboveOneOfItsLettersFormsNoWord) {
  TGameScene scene;
  // The column T, O would also read as a word: still refused.
  scene.FixedRow(4, 2, "T");
  scene.FixedRow(3, 4, "G");
  scene.LooseRow(4, 3, "ON");
  EXPECT_EQ(scene.Word(), "");
}

TEST(OneWordRule, ColumnWordWithALetterBesideOneOfItsLettersFormsNoWord) {
  TGameScene scene;
  scene.FixedColumn(5, 2, "S");
  scene.FixedColumn(6, 4, "X");
  scene.LooseColumn(5, 3, "UN");
  EXPECT_EQ(scene.Word(), "");
}

TEST(OneWordRule, ColumnOfLooseLettersExtendsOverFixedLettersBothWays) {
  TGameScene scene;
  scene.FixedColumn(6, 0, "S");
  scene.FixedColumn(6, 4, "RE");
  scene.LooseColumn(6, 1, "TOR");
  EXPECT_EQ(scene.Word(), "STORRE");
}

TEST(OneWordRule, WordAgainstTheLastColumnReadsUpToTheEdge) {
  TGameScene scene(30, 30);
  scene.FixedRow(26, 10, "CA");
  scene.LooseRow(28, 10, "TS");
  EXPECT_EQ(scene.Word(), "CATS");
  // A lone letter in the last column reads from its left neighbour.
  TGameScene edge(30, 30);
  edge.FixedRow(27, 0, "AT");
  edge.Loose(29, 0, 'E');
  EXPECT_EQ(edge.Word(), "ATE");
}

TEST(OneWordRule, WordInTheBottomRowAndTopCornerReadsWithinTheBoardArray) {
  TGameScene scene(30, 30);
  scene.LooseColumn(0, 27, "SEA");
  EXPECT_EQ(scene.Word(), "SEA");
  TGameScene corner(30, 30);
  corner.LooseRow(0, 0, "GO");
  EXPECT_EQ(corner.Word(), "GO");
}

TEST(PutButtons, OfferedOnlyWhileTheLooseLettersFormAWord) {
  TGameScene scene;
  scene.Loose(4, 4, 'A');
  scene.Game.UpdatePutButtons();
  EXPECT_FALSE(scene.Display.PutButtonsEnabled);
  scene.Loose(5, 4, 'T');
  scene.Game.UpdatePutButtons();
  EXPECT_TRUE(scene.Display.PutButtonsEnabled);
  scene.Game.RemoveLooseLetter(5, 4);
  scene.Game.UpdatePutButtons();
  EXPECT_FALSE(scene.Display.PutButtonsEnabled);
}

TEST(PutButtons, ConditionNeedsTwoLettersFromOneToSevenLooseLetters) {
  EXPECT_TRUE(CanPutWord("AT", 1));
  EXPECT_TRUE(CanPutWord("ATTEMPTS", 7));
  EXPECT_FALSE(CanPutWord("A", 1));
  EXPECT_FALSE(CanPutWord("AT", 0));
  EXPECT_FALSE(CanPutWord("ATTEMPTED", 8));
}
