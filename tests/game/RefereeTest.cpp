#include <gtest/gtest.h>

#include <string>

#include "game/LetterMoves.h"
#include "game/Referee.h"
#include "tests/game/RecordingDisplay.h"

TEST(GameEnd, TheLettersOnHandTheBoardAndTheChangesLeftDecide) {
  const struct {
    const char* Scene;
    std::string Stock, Laid;  // the letters laid loose in a row from (4, 5)
    bool FullBoard;           // of Q, but for the square (5, 5)
    int32_t Changes;          // -1: as many as a new board has
    TPlayState State;
  } cases[] = {
      {"letters that make a word keep the game going", "XCATQQQ", "", false, -1,
       TPlayState::Playing},
      {"no word with changes left asks for a change", "XXXXQQQ", "", false, -1,
       TPlayState::StockMakesNoWord},
      {"no word and no change left is over", "XXXXQQQ", "", false, 0, TPlayState::Ended},
      // Every free square lies where no word through a fixed letter fits.
      {"a board without room beside its letters is over", "CATCATC", "", true, 0,
       TPlayState::Ended},
      // The stock alone, T and four X, makes no word.
      {"loose letters count as letters on hand", "CATXXXX", "CA", false, 0, TPlayState::Playing},
  };
  for (const auto& c : cases) {
    TPlayScene scene("CAT\r\n");
    scene.Stock(c.Stock);
    scene.Lay(c.Laid, {4, 5});
    for (int32_t column = 0; column < 10 && c.FullBoard; ++column) {
      for (int32_t row = 0; row < 10; ++row) {
        scene.Game.Board[column][row] = {column == 5 && row == 5 ? '\0' : 'Q', 0};
      }
    }
    if (c.Changes >= 0) {
      scene.Game.LetterChangesCount = c.Changes;
    }
    EXPECT_EQ(CheckGameEnd(scene.Game), c.State) << c.Scene;
    EXPECT_EQ(CheckGameEnd(scene.Game), c.State) << c.Scene;
    EXPECT_EQ(scene.Display.State, c.State) << c.Scene;
    if (c.State != TPlayState::Playing) {
      EXPECT_EQ(scene.Display.NewStockLettersEnabled, c.State == TPlayState::StockMakesNoWord)
          << c.Scene;
    }
  }
}

TEST(GameEnd, AnEndedGameRefusesEveryMoveUntilANewBoard) {
  TPlayScene scene("CAT\r\n");
  scene.Stock("CATXXXX");
  scene.Lay("CA", {4, 5});
  EndGame(scene.Game);
  EXPECT_TRUE(scene.Game.IsEnded());
  EXPECT_FALSE(scene.Display.PutEnabled);
  EXPECT_FALSE(StartStockDrag(scene.Game, 2));
  EXPECT_FALSE(StartBoardDrag(scene.Game, {4, 5}));
  EXPECT_FALSE(BoardAcceptsDrop(scene.Game, {false, 2}, {6, 5}));
  EXPECT_FALSE(StockAcceptsDrop(scene.Game, {false, 2}, 3));
  EXPECT_FALSE(TakeBackLooseLetter(scene.Game, {4, 5}));
  EXPECT_FALSE(CanReplaceStockLetter(scene.Game, 2));
  EXPECT_FALSE(ChangeAllLetters(scene.Game));
  scene.Game.SetStockLetter(6, 'T');
  EXPECT_EQ(CommitWord(scene.Game, false, {}), TPutWordResult::NoWord);
  EXPECT_EQ(scene.Game.Score, 0);
}

// The par of a known word is each turn of the golden games and their files;
// an unknown word is remembered, against a par of 0.
TEST(GameFigures, AnUnknownWordIsPlayedAgainstAParOfZero) {
  TPlayScene unknown("CAT\r\n");
  unknown.Stock("DOGXXXX");
  unknown.Lay("DOG", {4, 5});
  ASSERT_EQ(CommitWord(unknown.Game, false, {true, false}), TPutWordResult::Committed);
  EXPECT_TRUE(unknown.Game.Figures.UnknownWordCommitted);
  EXPECT_EQ(unknown.Game.Figures.Turns[0].Par, 0);
}
