#include "game/LetterMoves.h"

#include <gtest/gtest.h>

#include "tests/game/RecordingDisplay.h"

namespace {

// A 12 x 12 board with A in stock slot 0, T in slot 1 and the other slots empty.
struct LetterMovesTest : ::testing::Test, TGameScene {
  LetterMovesTest() : TGameScene(12) {
    Stock("AT");
    Game.GameModified = false;
  }
  void Drop(int slot, TCellPosition square) {
    ASSERT_TRUE(StartStockDrag(Game, slot));
    DropOnBoard(Game, Display, {false, slot}, square);
  }
};

TEST_F(LetterMovesTest, NoDropBeyondTheCurrentBoard) {
  ASSERT_TRUE(StartStockDrag(Game, 0));
  EXPECT_FALSE(BoardAcceptsDrop(Game, {false, 0}, {12, 0}));
  EXPECT_FALSE(BoardAcceptsDrop(Game, {false, 0}, {0, 31}));
  EXPECT_FALSE(BoardAcceptsDrop(Game, {false, 0}, {-1, 3}));
  EXPECT_TRUE(BoardAcceptsDrop(Game, {false, 0}, {11, 11}));
  EXPECT_FALSE(BoardAcceptsDrop(Game, {false, 6}, {1, 1}));  // an empty slot drags nothing
}

TEST_F(LetterMovesTest, ModifiedFlagFollowsTheKindOfMove) {
  ASSERT_TRUE(StartStockDrag(Game, 0));
  DropOnStock(Game, {false, 0}, 5);  // within the stock: unchanged
  EXPECT_FALSE(Game.GameModified);
  Drop(5, {4, 4});
  EXPECT_TRUE(Game.GameModified);
  Game.GameModified = false;
  ASSERT_TRUE(StartBoardDrag(Game, {4, 4}));
  DropOnStock(Game, {true, -1}, 6);  // back onto an empty slot: unchanged
  EXPECT_FALSE(Game.GameModified);
  EXPECT_EQ(Game.StockLetter(6), 'A');
}

// A cancelled choice is free and a slot is refused without changes left: the
// golden games play both.
TEST_F(LetterMovesTest, ReplacementNeedsAChangeAndALetter) {
  Game.LetterChangesCount = 1;
  EXPECT_FALSE(CanReplaceStockLetter(Game, 4));  // empty slot
  ReplaceStockLetter(Game, 0, 'A');  // the same letter still costs a change
  EXPECT_EQ(Game.LetterChangesCount, 0);
  EXPECT_FALSE(NewStockLetters(Game));
}

// The right button takes back into the first empty slot, not the letter's own.
TEST_F(LetterMovesTest, TakeBackFillsTheFirstEmptySlotAndNeedsOne) {
  Drop(1, {1, 1});
  Drop(0, {2, 1});
  EXPECT_TRUE(TakeBackLooseLetter(Game, {1, 1}));
  EXPECT_EQ(Game.StockLetter(0), 'T');
  Stock("TTTTTTT");
  EXPECT_FALSE(TakeBackLooseLetter(Game, {2, 1}));
  EXPECT_EQ(Game.Board[2][1].Letter, 'A');
  EXPECT_FALSE(TakeBackLooseLetter(Game, {40, 1}));
}

TEST_F(LetterMovesTest, TheKeyboardReturnsALetterToTheSlotItCameFrom) {
  Drop(1, {1, 1});
  Drop(0, {2, 1});
  ReturnLooseLetter(Game, {1, 1});
  EXPECT_EQ(Game.StockLetter(1), 'T');  // not the first empty slot, 0

  // Moved on the board, the letter still knows its slot.
  Drop(1, {3, 3});
  ASSERT_TRUE(StartBoardDrag(Game, {3, 3}));
  DropOnBoard(Game, Display, {true, -1}, {4, 4});
  EXPECT_TRUE(ReturnLooseLetter(Game, {4, 4}));
  EXPECT_EQ(Game.StockLetter(1), 'T');

  // Its slot taken meanwhile: the first empty one, as the mouse does.
  Drop(1, {5, 5});
  Game.SetStockLetter(1, 'X');
  EXPECT_TRUE(ReturnLooseLetter(Game, {5, 5}));
  EXPECT_EQ(Game.StockLetter(0), 'T');

  // A loaded game's loose letter has no slot of its own.
  Picture({"", "", "", "", "", "", "      e"});
  EXPECT_EQ(Game.LooseLetterSlot({6, 6}), -1);
  EXPECT_TRUE(ReturnLooseLetter(Game, {6, 6}));
  EXPECT_EQ(Game.StockLetter(2), 'E');
}

}  // namespace
