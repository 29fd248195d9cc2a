#include "game/UndoHistory.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/LetterMoves.h"
#include "game/Referee.h"
#include "game/Suggestion.h"
#include "tests/game/RecordingDisplay.h"

namespace {

// A seeded 12 x 12 game drawing only A, C, S and T, of which every text of
// two to four letters is a word: the board never runs out of places.
struct TUndoScene : TPlayScene {
  TUndoScene() : TPlayScene(EveryWord(), 12) {
    DrawOnly("ACST");
    Game.FillStock();
    States.push_back(CaptureState(Game));
    Turns.push_back(Game.Figures.Turns);
  }
  static std::string EveryWord() {
    std::string words;
    for (int32_t length = 2; length <= 4; ++length) {
      for (int32_t n = 0; n < 1 << (2 * length); ++n) {
        for (int32_t k = length - 1; k >= 0; --k) {
          words += "ACST"[(n >> (2 * k)) & 3];
        }
        words += "\r\n";
      }
    }
    return words;
  }

  // One move recorded as the session records it: of every four, two
  // suggested words, a letter change and new stock letters. The state
  // before a word is taken with its letters lying on the board: they must
  // go back to the slots they came from.
  void PlayMove(int32_t n) {
    TUndoStep step;
    if (n % 4 == 2) {
      step.Before = CaptureState(Game);
      ASSERT_TRUE(CanReplaceStockLetter(Game, 0));
      ChangeOneLetter(Game, 0, 'T');
    } else if (n % 4 == 3) {
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
    EXPECT_EQ(step.Before, States.back()) << "move " << n;
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

TEST(UndoHistory, AGameUndoneToItsStartAndRedoneToItsEndPassesEveryStateAgain) {
  TUndoScene scene;
  constexpr size_t kMoves = 12;
  for (size_t n = 0; n < kMoves; ++n) {
    scene.PlayMove(static_cast<int32_t>(n));
  }
  ASSERT_EQ(scene.Game.Figures.WordsCommitted(), 6);
  ASSERT_FALSE(scene.Game.IsEnded());
  for (size_t done = kMoves; done-- > 0;) {
    ASSERT_NE(UndoMove(scene.Game, scene.Display, scene.History), nullptr);
    scene.ExpectStateAfter(done);
  }
  EXPECT_EQ(UndoMove(scene.Game, scene.Display, scene.History), nullptr);
  EXPECT_EQ(scene.Game.Figures.UndosUsed, static_cast<int32_t>(kMoves));
  for (size_t done = 1; done <= kMoves; ++done) {
    const TUndoStep* step = RedoMove(scene.Game, scene.Display, scene.History);
    ASSERT_NE(step, nullptr);
    EXPECT_EQ(step->After, scene.States[done]);
    scene.ExpectStateAfter(done);
  }
  EXPECT_EQ(RedoMove(scene.Game, scene.Display, scene.History), nullptr);
  // Redone moves leave the undos counted, and the game draws on as before.
  EXPECT_EQ(scene.Game.Figures.UndosUsed, static_cast<int32_t>(kMoves));
  EXPECT_TRUE(scene.Game.GameModified);
  EXPECT_EQ(scene.Display.Ends, 0);
}

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
  scene.PlayMove(0);  // the word leaves an empty stock and one change
  scene.PlayMove(3);  // the change draws nothing: the end
  ASSERT_TRUE(scene.Game.IsEnded());
  ASSERT_EQ(scene.Display.Ends, 1);
  ASSERT_NE(UndoMove(scene.Game, scene.Display, scene.History), nullptr);
  scene.ExpectStateAfter(1);
  EXPECT_EQ(scene.Display.State, TPlayState::StockMakesNoWord);
  EXPECT_TRUE(scene.Display.NewStockLettersEnabled);
  ASSERT_NE(RedoMove(scene.Game, scene.Display, scene.History), nullptr);
  EXPECT_TRUE(scene.Game.IsEnded());
  EXPECT_FALSE(scene.Display.NewStockLettersEnabled);
  EXPECT_EQ(scene.Display.Ends, 1);  // a redo announces nothing
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
