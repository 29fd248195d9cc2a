#include <gtest/gtest.h>

#include <array>

#include "tests/game/RecordingDisplay.h"

TEST(LooseLetters, RemovingTheMiddleOfThreeMovesTheLastIntoItsPlaceAndNoEighthIsKept) {
  TGameScene scene;
  scene.Picture({"cat"}).Game.RemoveLooseLetter(1, 0);
  const TLooseLetterList& loose = scene.Game.LooseLetterList;
  ASSERT_EQ(loose.Count(), 2);
  EXPECT_EQ(loose[1], (TCellPosition{2, 0}));
  EXPECT_TRUE(scene.Game.Board[1][0].IsEmpty());
  EXPECT_EQ(scene.Display.Repaints, 1);
  // An eighth and positions off the board array are ignored.
  TGameScene other;
  other.Game.AddLooseLetter(30, 0);
  other.Game.AddLooseLetter(0, -1);
  other.Game.RemoveLooseLetter(-1, 40);
  EXPECT_EQ(other.Game.LooseLetterList.Count(), 0);
  other.Picture({"abcdefgh"});
  EXPECT_EQ(other.Game.LooseLetterList.Count(), 7);
}

TEST(NewBoard, EmptiesTheWholeArrayWhateverTheSizesBefore) {
  TGameScene scene(30);
  scene.Picture({"at", "", AtRightEdge("LETTERS")});
  scene.Game.ColumnsCount = 12;
  scene.Game.RowsCount = 45;  // brought into 10..30
  scene.Game.SetUpNewBoard();
  EXPECT_EQ(scene.Game.Board, TBoard{});
  EXPECT_EQ(scene.Game.LooseLetterList.Count(), 0);
  EXPECT_EQ(scene.Game.RowsCount, 30);
}

TEST(LetterChanges, AreTheSquareCountTimesOneTwentiethTruncated) {
  // 10 x 19 = 190 squares: 9.5 is cut, not rounded.
  for (const auto& [columns, rows, changes] :
       {std::array{10, 30, 15}, {15, 15, 11}, {10, 19, 9}, {10, 10, 5}, {30, 30, 45}}) {
    EXPECT_EQ(TGame::LetterChangesFor(columns, rows), changes) << columns << "x" << rows;
  }
  TGameScene scene;
  scene.Game.LetterChangesCount = -4;
  scene.Game.ShowLetterChanges();
  EXPECT_FALSE(scene.Display.NewStockLettersEnabled);
  EXPECT_EQ(scene.Display.LetterChanges, "Available letter changes 0");
}
