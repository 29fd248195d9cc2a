#include <gtest/gtest.h>

#include <string>

#include "game/Referee.h"
#include "game/LetterMoves.h"
#include "game/Suggestion.h"
#include "tests/game/RecordingDisplay.h"

namespace {

// A display that also keeps the play state and counts the announced ends.
class TEndDisplay : public TRecordingDisplay {
 public:
  void ShowPlayState(TPlayState state) override { State = state; }
  void GameEnded() override { ++Ends; }
  void SetPutButtonsEnabled(bool enabled) override { PutEnabled = enabled; }
  TPlayState State = TPlayState::Playing;
  int Ends = 0;
  bool PutEnabled = false;
};

struct TEndScene {
  explicit TEndScene(const std::string& words, int32_t size = 10) {
    for (int32_t i = 0; i < 26; ++i) {
      Game.Letters.Alphabet[i] = static_cast<char>('A' + i);
      Game.Letters.LetterProbabilities[i] = 100;
      Game.Letters.LetterScores[i] = i + 1;  // A 1, B 2, C 3 ...
    }
    Game.Letters.LengthScores = {0, 1, 2, 3, 4, 5, 6};
    Game.WordsListLines.ReadWordsListText(words);
    Game.StartUp();
    Game.ColumnsCount = Game.RowsCount = size;
    Game.SetUpNewBoard();
    Random.SeedForTesting(7);
  }
  TEndScene& Stock(const std::string& letters) {
    for (int32_t slot = 0; slot < kStockSlots; ++slot) {
      Game.SetStockLetter(slot, slot < static_cast<int32_t>(letters.size()) ? letters[slot] : 0);
    }
    return *this;
  }
  // Lays the stock letters of the word in a row from the square, loose.
  void Lay(const std::string& word, TCellPosition from) {
    for (size_t i = 0; i < word.size(); ++i) {
      int32_t slot = 0;
      while (Game.StockLetter(slot) != word[i]) {
        ++slot;
      }
      ASSERT_TRUE(StartStockDrag(Game, slot));
      DropOnBoard(Game, Display, {false, slot}, {from.Column + static_cast<int32_t>(i), from.Row});
    }
  }
  void FillBoard(char letter) {
    for (int32_t c = 0; c < Game.ColumnsCount; ++c) {
      for (int32_t r = 0; r < Game.RowsCount; ++r) {
        Game.Board[c][r] = {letter, 0};
      }
    }
  }

  TEndDisplay Display;
  TRandomSource Random{[](void*, size_t) { return false; }};
  TGame Game{Display, Random};
};

}  // namespace

TEST(GameEnd, LettersThatMakeAWordKeepTheGameGoing) {
  TEndScene scene("CAT\r\n");
  scene.Stock("XCATQQQ");
  EXPECT_EQ(CheckGameEnd(scene.Game, true), TPlayState::Playing);
  EXPECT_EQ(scene.Display.State, TPlayState::Playing);
}

TEST(GameEnd, NoWordWithChangesLeftAsksForAChangeAndDoesNotEnd) {
  TEndScene scene("CAT\r\n");
  scene.Stock("XXXXQQQ");
  EXPECT_EQ(CheckGameEnd(scene.Game, true), TPlayState::StockMakesNoWord);
  EXPECT_EQ(scene.Display.Ends, 0);
  EXPECT_TRUE(scene.Display.NewStockLettersEnabled);
}

TEST(GameEnd, NoWordAndNoChangeLeftIsOverAndSaidOnce) {
  TEndScene scene("CAT\r\n");
  scene.Stock("XXXXQQQ");
  scene.Game.LetterChangesCount = 0;
  EXPECT_EQ(CheckGameEnd(scene.Game, true), TPlayState::Ended);
  EXPECT_EQ(CheckGameEnd(scene.Game, true), TPlayState::Ended);
  EXPECT_EQ(scene.Display.Ends, 1);
  EXPECT_FALSE(scene.Display.NewStockLettersEnabled);
}



TEST(GameEnd, ABoardWithoutRoomBesideItsLettersIsOver) {
  // Every free square lies where no word through a fixed letter fits.
  TEndScene scene("CAT\r\n");
  scene.FillBoard('Q');
  scene.Game.Board[5][5] = {};
  scene.Stock("CATCATC");
  scene.Game.LetterChangesCount = 0;
  EXPECT_EQ(CheckGameEnd(scene.Game, true), TPlayState::Ended);
}

TEST(GameEnd, LooseLettersCountAsLettersOnHand) {
  TEndScene scene("CAT\r\n");
  scene.Stock("CATXXXX");
  scene.Lay("CA", {4, 5});  // the stock alone, T and four X, makes no word
  scene.Game.LetterChangesCount = 0;
  EXPECT_EQ(CheckGameEnd(scene.Game, true), TPlayState::Playing);
}

TEST(GameEnd, TheLastWordCommittedWithNoChangeLeftEndsTheGame) {
  TEndScene scene("CAT\r\n");
  scene.Stock("CAT");
  scene.Game.Letters.LetterProbabilities = {};  // nothing more to draw
  scene.Game.LetterChangesCount = 0;
  scene.Lay("CAT", {4, 5});
  EXPECT_EQ(CommitWord(scene.Game, false, {}), TPutWordResult::Committed);
  EXPECT_EQ(scene.Display.Ends, 1);
  EXPECT_TRUE(scene.Game.IsEnded());
}

TEST(GameEnd, AnEndedGameRefusesEveryMove) {
  TEndScene scene("CAT\r\n");
  scene.Stock("CATXXXX");
  scene.Lay("CA", {4, 5});
  EndGame(scene.Game);
  EXPECT_EQ(scene.Display.Ends, 1);
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
  EndGame(scene.Game);
  EXPECT_EQ(scene.Display.Ends, 1);
}

TEST(GameEnd, TheLastLetterChangeSpentOnNoWordEndsTheGame) {
  TEndScene scene("CAT\r\n");
  scene.Stock("XXXXQQQ");
  scene.Game.LetterChangesCount = 1;
  ChangeOneLetter(scene.Game, 0, 'Z');
  EXPECT_TRUE(scene.Game.IsEnded());
  EXPECT_EQ(scene.Display.Ends, 1);
}

TEST(GameEnd, ANewBoardStartsAFreshGame) {
  TEndScene scene("CAT\r\n");
  EndGame(scene.Game);
  scene.Game.Figures.SuggestionsUsed = 2;
  scene.Game.SetUpNewBoard();
  EXPECT_FALSE(scene.Game.IsEnded());
  EXPECT_TRUE(scene.Game.Figures.IsEmpty());
  EXPECT_EQ(scene.Display.State, TPlayState::Playing);
}

TEST(GameFigures, ParIsTheBestTheLettersOnHandAllowedBeforeTheCommit) {
  // CATS scores 3+1+20+19 and 3 for four letters; CAT 3+1+20 and 2.
  TEndScene scene("CAT\r\nCATS\r\n");
  scene.Stock("CATSXXX");
  scene.Lay("CAT", {4, 5});
  ASSERT_EQ(CommitWord(scene.Game, false, {}), TPutWordResult::Committed);
  const TGameFigures& figures = scene.Game.Figures;
  ASSERT_EQ(figures.WordsCommitted(), 1);
  EXPECT_EQ(figures.Turns[0], (TTurnFigures{26, 46, 3, "CAT"}));
  EXPECT_EQ(figures.AccuracyPercent(), 57);  // 26 / 46 = 56.5 %, rounded up
  EXPECT_FALSE(figures.UnknownWordCommitted);
}

TEST(GameFigures, AnUnknownWordCommittedIsRemembered) {
  TEndScene scene("CAT\r\n");
  scene.Stock("DOGXXXX");
  scene.Lay("DOG", {4, 5});
  ASSERT_EQ(CommitWord(scene.Game, false, {true, false}), TPutWordResult::Committed);
  EXPECT_TRUE(scene.Game.Figures.UnknownWordCommitted);
  EXPECT_EQ(scene.Game.Figures.Turns[0].Par, 0);
}

TEST(GameFigures, ASeededGamePlayedBySuggestionsIsExactlyOnPar) {
  std::string words;
  for (const char* word :
       {"AA",  "AC",  "AS",  "AT",  "CA",   "SA",   "TA",   "TT",   "SS",   "CC",
        "SAT", "CAT", "ACT", "TAT", "CATS", "ACTS", "CAST", "SCAT", "TACT", "SATA"}) {
    words += std::string(word) + "\r\n";
  }
  TEndScene scene(words, 12);
  scene.Game.Letters.LetterProbabilities = {};
  for (const char letter : std::string("ACST")) {
    scene.Game.Letters.LetterProbabilities[letter - 'A'] = 100;
  }
  scene.Game.ClearStock();
  scene.Game.FillStock();
  for (int32_t turn = 0; turn < 12 && !scene.Game.IsEnded(); ++turn) {
    const std::optional<TWordMove> move = FindSuggestion(scene.Game);
    if (!move) {
      ASSERT_TRUE(ChangeAllLetters(scene.Game));
      continue;
    }
    PlaceSuggestion(scene.Game, scene.Display, *move);
    ASSERT_EQ(CommitWord(scene.Game, move->Flipped, {}), TPutWordResult::Committed);
  }
  const TGameFigures& figures = scene.Game.Figures;
  ASSERT_GE(figures.WordsCommitted(), 3);
  EXPECT_EQ(figures.Par(), scene.Game.Score);
  EXPECT_EQ(figures.TurnsScore(), scene.Game.Score);
  EXPECT_EQ(figures.AccuracyPercent(), 100);
}

TEST(GameFigures, TheBestWordIsTheFirstOfTheHighestAndTheAverageRoundsHalfUp) {
  TGameFigures figures;
  figures.Turns = {{10, 10, 2, "AB"}, {21, 30, 3, "ABC"}, {21, 21, 3, "CBA"}};
  EXPECT_EQ(figures.BestTurn()->Word, "ABC");
  EXPECT_EQ(figures.LettersPlaced(), 8);
  EXPECT_EQ(figures.AverageScoreTenths(), 173);  // 52 / 3 = 17.33
  EXPECT_EQ(TenthsText(figures.AverageScoreTenths()), "17.3");
  EXPECT_EQ(figures.AccuracyPercent(), 85);  // 52 / 61 = 85.2 %
  EXPECT_EQ(TGameFigures{}.AccuracyPercent(), 0);
  EXPECT_EQ(TGameFigures{}.BestTurn(), nullptr);
}
