#include "game/BoardCursor.h"

#include <gtest/gtest.h>

#include "tests/game/RecordingDisplay.h"

namespace {

// A 12 x 12 board with C, A, T in stock slots 0..2 and the others empty.
struct BoardCursorTest : ::testing::Test, TGameScene {
  BoardCursorTest() : TGameScene(12) {
    Stock("CAT");
    Game.GameModified = false;
  }
  TBoardCursor Cursor = TBoardCursor::Centre(12, 12);
};

TEST_F(BoardCursorTest, StartsInTheMiddleAndStopsAtTheEdges) {
  EXPECT_EQ(Cursor.Square, (TCellPosition{6, 6}));
  EXPECT_EQ(TBoardCursor::Centre(15, 10).Square, (TCellPosition{7, 5}));
  Cursor.Move(-20, 0, 12, 12);
  Cursor.Move(0, 20, 12, 12);
  EXPECT_EQ(Cursor.Square, (TCellPosition{0, 11}));
  Cursor.Square = {29, 29};
  Cursor.KeepInside(12, 12);  // the board shrank under it
  EXPECT_EQ(Cursor.Square, (TCellPosition{11, 11}));
}

TEST_F(BoardCursorTest, TypedWordRunsOnOverLettersAlreadyThereButNotOffTheBoard) {
  Picture({"", "", "", "", "", "", "       A"});
  EXPECT_TRUE(PutStockLetterAt(Game, Display, 0, Cursor.Square));
  Cursor.Advance(Game.Board, 12, 12);
  EXPECT_EQ(Cursor.Square, (TCellPosition{8, 6}));  // jumps the fixed A
  EXPECT_TRUE(PutStockLetterAt(Game, Display, 2, Cursor.Square));
  EXPECT_EQ(Game.ReadLooseWord(), "CAT");
  EXPECT_TRUE(Game.GameModified);
  EXPECT_EQ(Game.StockLetter(0), 0);
  // At the edge the cursor stays on its letter.
  Cursor.Square = {10, 3};
  Picture({"", "", "", "           X"});
  Cursor.Advance(Game.Board, 12, 12);
  EXPECT_EQ(Cursor.Square, (TCellPosition{10, 3}));
  Cursor.TurnDirection();
  Cursor.Advance(Game.Board, 12, 12);
  EXPECT_EQ(Cursor.Square, (TCellPosition{10, 4}));
}

TEST_F(BoardCursorTest, BackspaceTakesBackUnderOrBehindTheCursor) {
  PutStockLetterAt(Game, Display, 0, {6, 6});
  PutStockLetterAt(Game, Display, 1, {7, 6});
  Cursor.Square = {8, 6};
  EXPECT_TRUE(TakeBackBehindCursor(Game, Cursor));  // steps back onto A
  EXPECT_EQ(Cursor.Square, (TCellPosition{7, 6}));
  EXPECT_EQ(Game.StockLetter(1), 'A');  // back into the slot it came from
  Cursor.Square = {6, 6};
  EXPECT_TRUE(TakeBackBehindCursor(Game, Cursor));  // the letter under it
  EXPECT_EQ(Cursor.Square, (TCellPosition{6, 6}));
  EXPECT_EQ(Game.LooseLetterList.Count(), 0);
  Cursor.Square = {0, 6};
  EXPECT_FALSE(TakeBackBehindCursor(Game, Cursor));  // nothing behind the edge
  // A fixed letter behind it stays.
  Picture({"", "", "", "", "", "", "     A"});
  Cursor.Square = {6, 6};
  EXPECT_FALSE(TakeBackBehindCursor(Game, Cursor));
  EXPECT_EQ(Cursor.Square, (TCellPosition{5, 6}));
  EXPECT_EQ(Game.Board[5][6].Letter, 'A');
}

}  // namespace
