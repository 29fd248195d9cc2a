#include "game/UndoHistory.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/LetterMoves.h"
#include "game/Referee.h"
#include "game/Suggestion.h"
#include "tests/game/RecordingDisplay.h"

namespace {

// A seeded 12 x 12 game whose words list holds CAT.
struct TUndoScene : TPlayScene {
  TUndoScene() : TPlayScene("CAT\r\n", 12) {
    States.push_back(CaptureState(Game));
    Turns.push_back(Game.Figures.Turns);
  }

  // One move recorded as the session records it: a suggested word, or new
  // stock letters. The state before a word is taken with its letters lying
  // on the board: they must go back to the slots they came from.
  void PlayMove(bool word) {
    TUndoStep step;
    if (!word) {
      step.Before = CaptureState(Game);
      ASSERT_TRUE(ChangeAllLetters(Game));
    } else {
      const std::optional<TWordMove> move = FindSuggestion(Game);
      ASSERT_TRUE(move);
      PlaceSuggestion(Game, Display, *move);
      step.Before = CaptureState(Game);
      ASSERT_EQ(CommitWord(Game, move->Flipped, {false, false}), TPutWordResult::Committed);
      step.Turn = Game.Figures.Turns.back();
    }
    EXPECT_EQ(step.Before, States.back());
    step.After = CaptureState(Game);
    History.Record(step);
    States.push_back(step.After);
    Turns.push_back(Game.Figures.Turns);
  }

  // The game stands exactly where it stood after the first `done` moves.
  void ExpectStateAfter(size_t done) {
    EXPECT_EQ(CaptureState(Game), States[done]) << done << " moves";
    EXPECT_EQ(Game.Figures.Turns, Turns[done]) << done << " moves";
    EXPECT_EQ(Game.LooseLetterList.Count(), 0);
  }

  TUndoHistory History;
  std::vector<TGameState> States;
  std::vector<std::vector<TTurnFigures>> Turns;
};

}  // namespace

TEST(UndoHistory, LooseLettersGoBackToTheirOwnSlotsBeforeFillingOthers) {
  TUndoScene scene;
  scene.Stock("CATSCAT");
  DropOnBoard(scene.Game, scene.Display, {false, 0}, {4, 4});  // C from slot 0
  DropOnBoard(scene.Game, scene.Display, {false, 1}, {5, 4});  // A from slot 1
  DropOnStock(scene.Game, {false, 3}, 0);                      // S moves into slot 0
  const TGameState state = CaptureState(scene.Game);
  EXPECT_EQ(std::string(state.Stock.begin(), state.Stock.end()), "SATCCAT");
  EXPECT_EQ(state.LooseLetterList.Count(), 0);
  EXPECT_TRUE(state.Board[4][4].IsEmpty() && state.Board[5][4].IsEmpty());
  EXPECT_EQ(scene.Game.LooseLetterList.Count(), 2);  // the game itself is untouched
}

TEST(UndoHistory, UndoingTheMoveThatEndedTheGameMakesItPlayableAgain) {
  TUndoScene scene;
  scene.DrawOnly("").Stock("CAT");  // nothing more to draw
  scene.Game.LetterChangesCount = 1;
  scene.States = {CaptureState(scene.Game)};
  scene.PlayMove(true);  // the word leaves an empty stock and one change
  scene.PlayMove(false);  // the change draws nothing: the end
  ASSERT_TRUE(scene.Game.IsEnded());
  ASSERT_NE(UndoMove(scene.Game, scene.Display, scene.History), nullptr);
  scene.ExpectStateAfter(1);
  EXPECT_EQ(scene.Display.State, TPlayState::StockMakesNoWord);
  EXPECT_TRUE(scene.Display.NewStockLettersEnabled);
  ASSERT_NE(RedoMove(scene.Game, scene.Display, scene.History), nullptr);
  EXPECT_TRUE(scene.Game.IsEnded());
  EXPECT_FALSE(scene.Display.NewStockLettersEnabled);
  UndoMove(scene.Game, scene.Display, scene.History);
  const int repaints = scene.Display.Repaints;
  ASSERT_NE(UndoMove(scene.Game, scene.Display, scene.History), nullptr);
  EXPECT_EQ(scene.Display.Repaints - repaints, 3);  // only the word's squares changed
  scene.ExpectStateAfter(0);
  const std::optional<TWordMove> move = FindSuggestion(scene.Game);
  ASSERT_TRUE(move);
  PlaceSuggestion(scene.Game, scene.Display, *move);
  EXPECT_TRUE(scene.Display.PutEnabled);
}
