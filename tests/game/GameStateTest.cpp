#include <gtest/gtest.h>

#include "tests/game/RecordingDisplay.h"

TEST(LooseLetters, RemovingTheMiddleOfThreeMovesTheLastIntoItsPlace) {
  TGameScene scene;
  scene.LooseRow(2, 2, "CAT");
  scene.Game.RemoveLooseLetter(3, 2);
  const TLooseLetterList& loose = scene.Game.LooseLetterList;
  ASSERT_EQ(loose.Count(), 2);
  EXPECT_EQ(loose[0], (TCellPosition{2, 2}));
  EXPECT_EQ(loose[1], (TCellPosition{4, 2}));
  EXPECT_TRUE(scene.Game.Board[3][2].IsEmpty());
  EXPECT_EQ(scene.Display.Repainted.back(), std::make_pair(3, 2));
}

TEST(LooseLetters, AnEighthPositionAndPositionsOffTheBoardArrayAreIgnored) {
  TGameScene scene;
  for (int32_t column = 0; column < 8; ++column) {
    scene.Game.AddLooseLetter(column, 0);
  }
  EXPECT_EQ(scene.Game.LooseLetterList.Count(), 7);
  scene.Game.LooseLetterList.Clear();
  scene.Game.AddLooseLetter(30, 0);
  scene.Game.AddLooseLetter(0, -1);
  EXPECT_EQ(scene.Game.LooseLetterList.Count(), 0);
  scene.Game.RemoveLooseLetter(-1, 40);  // no square outside the array is touched
  EXPECT_TRUE(scene.Display.Repainted.empty());
}

TEST(LooseLetters, MovingKeepsTheCountAndTheScore) {
  TGameScene scene;
  scene.Game.Letters.LetterScores[2] = 6;
  scene.LooseRow(2, 2, "CA");
  const int32_t score = scene.Game.WordScore();
  scene.Game.Board[2][5] = scene.Game.Board[2][2];
  scene.Game.Board[2][2] = {};
  scene.Game.MoveLooseLetter(2, 2, 2, 5);
  EXPECT_EQ(scene.Game.LooseLetterList.Count(), 2);
  EXPECT_EQ(scene.Game.LooseLetterList[0], (TCellPosition{2, 5}));
  EXPECT_EQ(scene.Game.WordScore(), score);
}

TEST(LooseLetters, FixingThemRepaintsEachAndDisablesTheButtons) {
  TGameScene scene;
  scene.LooseRow(2, 2, "AT");
  scene.Game.UpdatePutButtons();
  scene.Game.FixLooseLetters();
  EXPECT_TRUE(scene.Game.Board[2][2].IsFixedLetter());
  EXPECT_TRUE(scene.Game.Board[3][2].IsFixedLetter());
  EXPECT_EQ(scene.Game.LooseLetterList.Count(), 0);
  EXPECT_EQ(scene.Display.Repainted.size(), 2u);
  EXPECT_FALSE(scene.Display.PutButtonsEnabled);
  EXPECT_FALSE(scene.Game.HasNoFixedLetters());
}

TEST(NewBoard, LargerBoardAfterASmallGameHoldsNoLetter) {
  TGameScene scene(12, 12);
  scene.FixedRow(0, 11, "WORDSWORDSAB");
  scene.Game.ColumnsCount = 30;
  scene.Game.RowsCount = 30;
  scene.Game.SetUpNewBoard();
  for (const auto& column : scene.Game.Board) {
    for (const TBoardCell& cell : column) {
      EXPECT_TRUE(cell.IsEmpty());
    }
  }
  EXPECT_EQ(scene.Display.BoardSize, std::make_pair(30, 30));
}

TEST(NewBoard, SmallerBoardAfterALargeGameLeavesNothingOutside) {
  TGameScene scene(30, 30);
  scene.FixedRow(20, 29, "LETTERS");
  scene.LooseRow(0, 0, "AT");
  scene.Game.ColumnsCount = 12;
  scene.Game.RowsCount = 12;
  scene.Game.SetUpNewBoard();
  EXPECT_EQ(scene.Game.Board, TBoard{});
  EXPECT_EQ(scene.Game.LooseLetterList.Count(), 0);
  EXPECT_TRUE(scene.Game.HasNoFixedLetters());
}

TEST(NewBoard, ResetsTheCountersAndShowsTheBoard) {
  TGameScene scene;
  scene.Game.Score = 50;
  scene.Game.GameModified = true;
  scene.Display.BoardShown = false;
  scene.Game.SetUpNewBoard();
  EXPECT_EQ(scene.Game.Score, 0);
  EXPECT_FALSE(scene.Game.GameModified);
  EXPECT_EQ(scene.Display.ScoreLabel, "Score 0");
  EXPECT_EQ(scene.Display.LetterScoreLabel, "");
  EXPECT_EQ(scene.Display.ValidWordLabel, "");
  EXPECT_EQ(scene.Display.WordsCountLabel, "");
  EXPECT_EQ(scene.Display.Caption, "Glyphmason");
  EXPECT_EQ(scene.Display.LetterChangesLabel, "Available letter changes 11");
  EXPECT_TRUE(scene.Display.NewStockLettersEnabled);
  EXPECT_FALSE(scene.Display.PutButtonsEnabled);
  EXPECT_TRUE(scene.Display.BoardShown);
}

TEST(NewBoard, SizeOutsideTenToThirtyIsBroughtIntoRange) {
  TGameScene scene;
  scene.Game.ColumnsCount = 45;
  scene.Game.RowsCount = 3;
  scene.Game.SetUpNewBoard();
  EXPECT_EQ(scene.Game.ColumnsCount, 30);
  EXPECT_EQ(scene.Game.RowsCount, 10);
}

TEST(LetterChanges, AreTheSquareCountTimesOneTwentiethTruncated) {
  EXPECT_EQ(TGame::LetterChangesFor(10, 10), 5);
  EXPECT_EQ(TGame::LetterChangesFor(15, 15), 11);
  EXPECT_EQ(TGame::LetterChangesFor(30, 30), 45);
  EXPECT_EQ(TGame::LetterChangesFor(10, 30), 15);
  EXPECT_EQ(TGame::LetterChangesFor(10, 11), 5);
  // Every product that is a whole number of twentieths keeps that number.
  for (int32_t columns = 10; columns <= 30; ++columns) {
    for (int32_t rows = 10; rows <= 30; ++rows) {
      EXPECT_EQ(TGame::LetterChangesFor(columns, rows), columns * rows / 20) << columns << "x" << rows;
    }
  }
}

TEST(LetterChanges, LabelAndButtonFollowTheCount) {
  TGameScene scene;
  scene.Game.LetterChangesCount = 1;
  scene.Game.ShowLetterChanges();
  EXPECT_TRUE(scene.Display.NewStockLettersEnabled);
  EXPECT_EQ(scene.Display.LetterChangesLabel, "Available letter changes 1");
  scene.Game.LetterChangesCount = -4;
  scene.Game.ShowLetterChanges();
  EXPECT_FALSE(scene.Display.NewStockLettersEnabled);
  EXPECT_EQ(scene.Display.LetterChangesLabel, "Available letter changes 0");
}

TEST(StartUp, NoBoardEmptyLabelsAndTheDefaultSize) {
  TRecordingDisplay display;
  TRandomSource random([](void*, size_t) { return false; });
  TGame game(display, random);
  game.ColumnsCount = 20;
  game.DragOrigin = {3, 3};
  game.StartUp();
  EXPECT_EQ(game.DragOrigin, (TCellPosition{-1, -1}));
  EXPECT_EQ(game.ColumnsCount, 15);
  EXPECT_EQ(game.RowsCount, 15);
  EXPECT_FALSE(display.BoardShown);
  EXPECT_EQ(display.ScoreLabel, "");
  EXPECT_EQ(display.LetterChangesLabel, "Available letter changes 0");
  EXPECT_FALSE(display.NewStockLettersEnabled);
  EXPECT_FALSE(display.PutButtonsEnabled);
}

TEST(Caption, NamesTheGameFileWhenThereIsOne) {
  TGameScene scene;
  scene.Game.ShowCaption("Sunday.gmg");
  EXPECT_EQ(scene.Display.Caption, "Glyphmason - Sunday.gmg");
  scene.Game.ShowCaption("");
  EXPECT_EQ(scene.Display.Caption, "Glyphmason");
}

TEST(Stock, SlotsAreShownAndTheFirstEmptyOneIsFound) {
  TGameScene scene;
  scene.Game.ClearStock();
  EXPECT_EQ(scene.Game.FirstEmptyStockSlot(), 0);
  for (int32_t slot = 0; slot < kStockSlots; ++slot) {
    scene.Game.SetStockLetter(slot, 'A');
  }
  EXPECT_EQ(scene.Game.FirstEmptyStockSlot(), -1);
  scene.Game.SetStockLetter(4, 0);
  scene.Game.SetStockLetter(2, 0);
  EXPECT_EQ(scene.Game.FirstEmptyStockSlot(), 2);
  EXPECT_EQ(scene.Display.StockPanels[2], 0);
  EXPECT_EQ(scene.Display.StockPanels[3], 'A');
  scene.Game.SetStockLetter(7, 'B');  // no such slot
  EXPECT_EQ(scene.Game.StockLetter(7), 0);
  EXPECT_EQ(scene.Game.StockLetter(-1), 0);
}
