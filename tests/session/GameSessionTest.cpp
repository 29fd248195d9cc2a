// The game session played without a window: its commands, undo and redo,
// the records it keeps a game out of, and the files it saves and loads.

#include <gtest/gtest.h>

#include <filesystem>
#include <utility>
#include <vector>

#include "game/GameState.h"
#include "persistence/Records.h"
#include "session/GameSession.h"
#include "support/ErrorRecorder.h"
#include "support/FakeFileDialogs.h"
#include "support/FakeMessageBoxes.h"
#include "support/SmallDictionary.h"
#include "support/TestFolders.h"

namespace {

// The window as a test plays it: the controls' values are fields, and what
// the session shows is kept.
class TFakeView : public ISessionView {
 public:
  void SetPutButtonsEnabled(bool) override {}
  void RepaintCell(int32_t, int32_t) override {}
  void BoardSizeChanged(int32_t, int32_t) override {}
  void ShowWholeBoard() override {}
  void SetStockLetter(int32_t, char) override {}
  void SetNewStockLettersEnabled(bool) override {}
  void SetLetterChangesLabel(const std::string&) override {}
  void SetScoreLabel(const std::string&) override {}
  void SetLetterScoreLabel(const std::string&) override {}
  void SetValidWordLabel(const std::string&) override {}
  void SetWordsCountLabel(const std::string&) override {}
  void SetCaption(const std::string&) override {}
  void SetDictionaryNames(const std::string&, const std::string&) override {}
  void SetLetterFont(const std::string&) override {}
  void SetChoiceLetters(const std::string&, const std::array<char, kMaxAlphabetSlots>&) override {}
  TBoardSize ChosenBoardSize() override { return Size; }
  TBoardSize ShownBoardSize() override { return Size; }
  TUnknownWordRules ChosenUnknownWordRules() const override { return Rules; }
  bool FullScreenChosen() const override { return false; }
  void ShowSettings(const TGameSettings&) override {}
  void ShowFullScreen(bool) override {}
  void ShowStartPrompt(bool lastGameExists) override { LastGameOffered = lastGameExists; }
  void Say(const std::string& text) override { Said.push_back(text); }
  void ShowSummary(const TSummaryFacts& facts) override { Summaries.push_back(facts); }
  void ShowRecords(const TRecords&, const std::string& table) override { RecordsTable = table; }
  void SetUndoRedoEnabled(bool undo, bool redo) override { UndoRedo = {undo, redo}; }
  char AskReplacementLetter(int32_t, char) override { return Replacement; }
  bool CopyReportToClipboard(const std::string&) override { return true; }

  TBoardSize Size;
  TUnknownWordRules Rules;
  char Replacement = 'S';
  bool LastGameOffered = false;
  std::vector<std::string> Said;
  std::vector<TSummaryFacts> Summaries;
  std::string RecordsTable;
  std::pair<bool, bool> UndoRedo{false, false};
};

class GameSession : public ::testing::Test {
 protected:
  GameSession() {
    WriteSmallDictionary(Program);
    Random.SeedForTesting(11);
    Session.RecordDateTime = [] { return std::string("Tuesday, December 08, 2026 3:00:00 AM"); };
    Session.StartUp();
    Session.Start();
  }
  ~GameSession() override { Session.Game.GameModified = false; }

  void NewGame(const std::string& stock = "") {
    Session.NewGame();
    for (int32_t slot = 0; slot < kStockSlots && !stock.empty(); ++slot) {
      Session.Game.SetStockLetter(slot, slot < static_cast<int32_t>(stock.size()) ? stock[slot] : 0);
    }
  }
  // Lays the stock's first letters in a row from the square and commits them.
  TPutWordResult Play(int32_t letters, TCellPosition from) {
    for (int32_t i = 0; i < letters; ++i) {
      Session.PutStockLetter(i, {from.Column + i, from.Row});
    }
    return Session.PutWord(false);
  }
  void EndGame() {
    Boxes.Answer(kIdYes);
    Session.EndGame();
  }
  std::string Games(const std::string& name) const {
    return Program.File("GlyphmasonGames/" + name);
  }

  TTestProgramFolder Program;
  TFakeMessageBoxes Boxes;
  TErrorRecorder Errors;
  TFakeFileDialogs Files;
  TRandomSource Random;
  TFakeView View;
  TGameSession Session{View, Random};
};

// Everything an undo must bring back, taken between moves.
struct TPlayedState {
  TGameState State;
  std::vector<TTurnFigures> Turns;
  int32_t Words = 0;
  bool operator==(const TPlayedState&) const = default;
};

TPlayedState Snapshot(const TGame& game) {
  return {CaptureState(game), game.Figures.Turns, game.WordsListLines.Count()};
}

TEST_F(GameSession, ASeededGameUndoneToItsStartAndRedoneToItsEndIsTheSameAtEveryStep) {
  NewGame("CATSENO");
  TGame& game = Session.Game;
  std::vector<TPlayedState> played{Snapshot(game)};
  EXPECT_FALSE(Session.CanUndo());
  // An unknown word joins the words list; the letter changes draw anew.
  ASSERT_EQ(Play(2, {6, 7}), TPutWordResult::Committed);  // "CA"
  played.push_back(Snapshot(game));
  ASSERT_TRUE(game.IsKnownWord("CA"));
  Session.NewStockLetters();
  played.push_back(Snapshot(game));
  Session.ChangeLetter(0);
  played.push_back(Snapshot(game));
  Session.NewStockLetters();
  played.push_back(Snapshot(game));
  for (size_t i = 1; i < played.size(); ++i) {
    ASSERT_NE(played[i], played[i - 1]) << "move " << i << " changed nothing";
  }

  // A letter lying loose goes back to the stock with the undo.
  Session.PutStockLetter(0, {7, 9});
  for (size_t step = played.size() - 1; step > 0; --step) {
    Session.Undo();
    EXPECT_EQ(Snapshot(game), played[step - 1]) << "undo to move " << step - 1;
  }
  EXPECT_FALSE(game.IsKnownWord("CA"));
  EXPECT_FALSE(Session.CanUndo());
  EXPECT_EQ(View.UndoRedo, std::make_pair(false, true));
  for (size_t step = 1; step < played.size(); ++step) {
    Session.Redo();
    EXPECT_EQ(Snapshot(game), played[step]) << "redo of move " << step;
  }
  EXPECT_TRUE(game.IsKnownWord("CA"));
  EXPECT_FALSE(Session.CanRedo());

  // A new move after an undo leaves nothing to redo; a new game nothing at all.
  Session.Undo();
  Session.NewStockLetters();
  EXPECT_FALSE(Session.CanRedo());
  EXPECT_TRUE(Session.CanUndo());
  Boxes.Answer(kIdCancel);  // the save question cancelled keeps the history
  Session.NewGame();
  EXPECT_TRUE(Session.CanUndo());
  Boxes.Answer(kIdNo);
  NewGame();
  EXPECT_EQ(View.UndoRedo, std::make_pair(false, false));
}

TEST_F(GameSession, EachReasonKeepsAGameOutOfTheRecords) {
  const auto outcomeOf = [&](const std::function<void()>& play) {
    if (Session.Game.GameModified) {
      Boxes.Answer(kIdNo);  // the last game is not saved
    }
    NewGame("CATSENO");
    play();
    EndGame();
    return View.Summaries.empty() ? TRecordOutcome{} : View.Summaries.back().Outcome;
  };
  const auto lastLine = [&] {
    return View.Summaries.empty() ? std::string() : GameSummaryLines(View.Summaries.back()).back();
  };

  EXPECT_EQ(outcomeOf([&] { Play(3, {6, 7}); }).Kind, TRecordOutcome::Entered);
  EXPECT_EQ(outcomeOf([&] { Play(2, {6, 7}); }).Kind, TRecordOutcome::UnknownWord);
  EXPECT_EQ(outcomeOf([&] {
              Session.SuggestWord();
              Session.PutWord(false);
            }).Kind,
            TRecordOutcome::SuggestionUsed);
  EXPECT_EQ(outcomeOf([&] {
              Play(3, {6, 7});
              Session.Undo();
              Session.Redo();
            }).Kind,
            TRecordOutcome::Undone);
  EXPECT_EQ(lastLine(), "Records: not entered, a move was undone");
  outcomeOf([&] {
    Session.SuggestWord();
    Session.PutWord(false);
    Session.Undo();
    Play(2, {6, 7});
  });
  EXPECT_EQ(lastLine(),
            "Records: not entered, a move was undone, and Suggest word was used and an unknown "
            "word committed");
  const TRecords records = LoadRecordsFile(Program.File(kRecordsFileName));
  const TRecordTable* table = records.Find("English.gmd 15 x 15");
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->Records.size(), 1u);
}

TEST_F(GameSession, AnUndoneGameSavedAndLoadedStaysOutAndItsEndIsToldOnce) {
  NewGame("CATSENO");
  Play(3, {6, 7});
  Session.Undo();
  Play(3, {6, 7});
  Files.Choose(Games("undone.gmg"));
  Session.SaveGame();
  Session.LoadGameFrom(Games("undone.gmg"));
  EXPECT_FALSE(Session.CanUndo());
  EndGame();
  ASSERT_EQ(View.Summaries.size(), 1u);
  EXPECT_EQ(View.Summaries.back().Outcome.Kind, TRecordOutcome::Undone);
  // The end is told once: not again for an ended game, nor for one loaded.
  Session.EndGame();
  Files.Choose(Games("ended.gmg"));
  Session.SaveGame();
  Session.LoadGameFrom(Games("ended.gmg"));
  EXPECT_TRUE(Session.Game.IsEnded());
  EXPECT_EQ(View.Summaries.size(), 1u);
}

TEST_F(GameSession, EveryNameIsSavedAsAGameThatLoadLastGameLoadsAgain) {
  NewGame("CATSENO");
  Session.PutStockLetter(0, {7, 7});
  for (const auto& [typed, saved] : std::vector<std::pair<std::string, std::string>>{
           {"game1", "game1.gmg"},
           {"notes.txt", "notes.txt.gmg"},
           {"game1.", "game1.gmg"},
           {"Mr. Smith", "Mr. Smith.gmg"},
           {"KEPT.GMG", "KEPT.GMG"}}) {
    Files.Choose(Games(typed));
    if (typed == "game1.") {
      Boxes.Answer(kIdYes);  // game1.gmg is there already
    }
    Session.SaveGame();
    EXPECT_TRUE(std::filesystem::is_regular_file(Games(saved))) << typed;
    EXPECT_EQ(Session.LastGameFileName, Games(saved));
  }
  EXPECT_FALSE(std::filesystem::exists(Games("notes.txt")));
  EXPECT_NE(Boxes.Shown.back().Text.find("\"" + Games("game1.gmg") + "\""), std::string::npos);

  NewGame("XXXXXXX");
  Session.LoadLastGame();
  EXPECT_EQ(Session.Game.Board[7][7].Letter, 'C');
  EXPECT_EQ(Session.Game.StockLetter(0), 0);
  EXPECT_EQ(Session.LastGameFileName, Games("KEPT.GMG"));
}

TEST_F(GameSession, TheLastGameIsOfferedAfterARestartOnlyWhileItsFileIsThere) {
  EXPECT_FALSE(View.LastGameOffered);
  // A path far longer than a Windows path may be.
  const std::string folder = Games(std::string(200, 'd'));
  std::filesystem::create_directories(folder);
  const std::string path = folder + "/" + std::string(100, 'g') + ".gmg";
  NewGame("CATSENO");
  Files.Choose(path);
  Session.SaveGame();
  ASSERT_TRUE(Session.Close());

  TFakeView view;
  TGameSession again(view, Random);
  again.StartUp();
  again.Start();
  EXPECT_TRUE(view.LastGameOffered);
  again.LoadLastGame();
  EXPECT_EQ(again.LastGameFileName, path);
  again.Game.GameModified = false;
}

}  // namespace
