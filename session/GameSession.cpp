#include "session/GameSession.h"

#include <algorithm>

#include "Libraries/Error/FunctionScope.h"
#include "Libraries/File/FileOperations.h"
#include "Libraries/File/PathText.h"
#include "Libraries/MyDialogs/MyDialogs.h"
#include "Libraries/MyTime/MyTime.h"
#include "Libraries/OperatingSystem/OperatingSystem.h"
#include "Libraries/Program/ProgramPaths.h"
#include "Libraries/Text/Text.h"
#include "Libraries/Text/Translation.h"
#include "dictionary/AnalysisReport.h"
#include "game/Referee.h"
#include "game/SpokenText.h"
#include "game/Suggestion.h"
#include "game/WordRule.h"
#include "persistence/RecordEntry.h"
#include "session/GameFileNames.h"

namespace {

constexpr const char* kOptionsFileName = "Glyphmason.ini";

// The file dialogs' filters: the shown name, then "|" and the pattern.
std::string GameFilter() {
  //: File type in the open and save dialogs
  return Translated("GameSession", "Glyphmason game (*.gmg)") + "|*.gmg";
}

std::string DictionaryFilter() {
  //: File type in the dialog that opens a dictionary
  return Translated("GameSession", "Glyphmason dictionary (*.gmd)") + "|*.gmd";
}

std::string CurrentDateTime() {
  const TDateTime now = Now();
  return DateText(now) + " " + TimeText(now);
}

void CreateDataFolder(const std::string& path) {
  Os::ClearLastError();
  Os::CreateFolder(path);  // an existing folder is fine
}

}  // namespace

TGameSession::TGameSession(ISessionView& view, TRandomSource& random)
    : Game(view, random),
      Dictionary(Game, view),
      OpenDialog(TFileDialogKind::Open, GameFilter()),
      SaveDialog(TFileDialogKind::Save, GameFilter()),
      LoadDictionaryOpenDialog(TFileDialogKind::Open, DictionaryFilter()),
      RecordDateTime(CurrentDateTime),
      View(view) {
  OpenDialog.FileName = GamesDirectory() + "*.gmg";
  SaveDialog.FileName = OpenDialog.FileName;
  LastGameFileName = OpenDialog.FileName;
  LoadDictionaryOpenDialog.FileName = DictionariesDirectory() + Dictionary.DictionaryName;
  GameList.FileName = GetProgramDirFile("");
  GameList.OnLoad = [this](TStoredTextList& list) { ReadGame(list); };
  GameList.OnSave = [this](TStoredTextList& list) { WriteGame(list); };
  OptionsList.FileName = GetProgramDirFile(kOptionsFileName);
  OptionsList.OnLoad = [this](TStoredTextList& list) { ReadOptions(list); };
  OptionsList.OnSave = [this](TStoredTextList& list) { WriteOptions(list); };
}

// --- Start and close -------------------------------------------------------------

void TGameSession::Start() {
  PassingFunction("TGameSession::Start", [&](TFunScope& Fun) {
    CreateDataFolder(DictionariesDirectory());
    CreateDataFolder(GamesDirectory());
    if (!OptionsList.Load()) {
      Fun.CalleeFailed();
    }
  });
}

bool TGameSession::Close() {
  if (!CheckSave()) {
    return false;
  }
  OptionsList.Save(false);
  return true;
}

// --- Files -----------------------------------------------------------------------

bool TGameSession::CheckSave() {
  return PassingFunction("TGameSession::CheckSave", [&](TFunScope&) {
    if (!Game.GameModified) {
      return true;
    }
    switch (ShowQueryCancelDialog(
        Translated("GameSession", "The game has been modified. Save it?"))) {
      case drOk:
        SaveGame();
        return true;
      case drNo:
        return true;
      default:
        return false;
    }
  });
}

void TGameSession::SetUpBoard(TBoardSize size) {
  Game.ColumnsCount = size.Columns;
  Game.RowsCount = size.Rows;
  Game.SetUpNewBoard();
  GameShown = true;
  LastOutcome = {};
  ForgetHistory();
}

void TGameSession::NewGame() {
  // The error dialog shows the failure messages of these commands in the
  // player's language and logs them in English.
  ShowingFunction("TGameSession::NewGame",
                  TranslatableText("TErrorForm", "Failed to create new puzzle."),
                  [&](TFunScope& Fun) {
                    if (!CheckSave()) {
                      return;
                    }
                    SetUpBoard(View.ChosenBoardSize());
                    const std::string name = Dictionary.DictionaryName;
                    const bool usable = Dictionary.LoadDictionary(name);
                    if (Fun.CalleeFailed() || !usable) {
                      return;
                    }
                    Game.ClearStock();
                    Game.FillStock();
                    Game.GameModified = false;
                    const bool wasEnded = Game.IsEnded();
                    CheckGameEnd(Game);
                    AfterMove(wasEnded);
                    View.Say(SpokenYourLetters(Game));
                  });
}

void TGameSession::LoadDictionary() {
  ShowingFunction("TGameSession::LoadDictionary",
                  TranslatableText("TErrorForm", "Failed to load dictionary."),
                  [&](TFunScope&) {
                    LoadDictionaryOpenDialog.FileName =
                        DictionariesDirectory() + Dictionary.DictionaryName;
                    if (!LoadDictionaryOpenDialog.Execute()) {
                      return;
                    }
                    Dictionary.DictionaryName = NameOfPath(LoadDictionaryOpenDialog.FileName);
                    NewGame();
                  });
}

void TGameSession::LoadLastGame() {
  ShowingFunction("TGameSession::LoadLastGame",
                  TranslatableText("TErrorForm", "Failed to load last game."),
                  [&](TFunScope& Fun) {
                    LoadGameFrom(LastGameFileName);
                    if (Fun.CalleeFailed()) {
                      return;
                    }
                    OpenDialog.FileName = LastGameFileName;
                  });
}

void TGameSession::LoadGame() {
  ShowingFunction("TGameSession::LoadGame",
                  TranslatableText("TErrorForm", "Failed to load game."),
                  [&](TFunScope& Fun) {
                    if (!OpenDialog.Execute()) {
                      return;
                    }
                    LoadGameFrom(OpenDialog.FileName);
                    Fun.CalleeFailed();
                  });
}

void TGameSession::SaveGame() {
  ShowingFunction("TGameSession::SaveGame",
                  TranslatableText("TErrorForm", "Failed to save game."),
                  [&](TFunScope& Fun) {
                    if (!SaveDialog.Execute()) {
                      return;
                    }
                    SaveDialog.FileName = WithGameExtension(SaveDialog.FileName);
                    SaveGameTo(SaveDialog.FileName);
                    Fun.CalleeFailed();
                  });
}

void TGameSession::LoadGameFrom(const std::string& path) {
  PassingFunction("TGameSession::LoadGameFrom", [&](TFunScope& Fun) {
    if (!HasGameExtension(path)) {
      return;
    }
    if (!FileExists(path)) {
      Fun.Fail("There is no such file", path);
      return;
    }
    if (!CheckSave()) {
      return;
    }
    SetUpBoard(View.ChosenBoardSize());
    // A failed read has shown "Failed to load file." already.
    if (!GameList.LoadFrom(path)) {
      return;
    }
    const std::string dictionaryName = Dictionary.DictionaryName;
    if (!Dictionary.LoadDictionary(dictionaryName)) {
      return;
    }
    Game.GameModified = false;
    Game.UpdatePutButtons();
    View.ShowWholeBoard();
    CheckGameEnd(Game);
    Game.ShowScore(Game.WordScore());
    Game.ShowLetterScore(0);
    LastGameFileName = path;
    Game.ShowCaption(path);
    SaveDialog.FileName = path;
    ForgetHistory();
    View.Say(SpokenYourLetters(Game));
  });
}

void TGameSession::SaveGameTo(const std::string& path) {
  PassingFunction("TGameSession::SaveGameTo", [&](TFunScope&) {
    Dictionary.SaveDictionary();
    if (!GameList.SaveAs(path, true)) {
      return;
    }
    LastGameFileName = path;
    Game.GameModified = false;
    Game.ShowCaption(path);
  });
}

TGameSettings TGameSession::CurrentSettings() {
  TGameSettings settings;
  settings.ColumnsCount = Game.ColumnsCount;
  settings.RowsCount = Game.RowsCount;
  settings.DictionaryName = Dictionary.DictionaryName;
  const TUnknownWordRules rules = View.ChosenUnknownWordRules();
  settings.AddToWordsList = rules.AddToWordsList;
  settings.AllowUnknownWords = rules.AllowUnknownWords;
  return settings;
}

void TGameSession::ApplySettings(const TGameSettings& settings) {
  Game.ColumnsCount = settings.ColumnsCount;
  Game.RowsCount = settings.RowsCount;
  Dictionary.DictionaryName = settings.DictionaryName;
  LoadDictionaryOpenDialog.FileName = DictionariesDirectory() + Dictionary.DictionaryName;
  View.ShowSettings(settings);
  Dictionary.ShowDictionaryNames();
}

void TGameSession::ReadGame(TStoredTextList& list) {
  // The controls' values stay where the file's are missing or unacceptable.
  TGameSettings settings = CurrentSettings();
  const TBoardSize shown = View.ShownBoardSize();
  settings.ColumnsCount = shown.Columns;
  settings.RowsCount = shown.Rows;
  ReadGameSettings(list, settings);
  ApplySettings(settings);
  ::ReadGame(list, Game);
}

void TGameSession::WriteGame(TStoredTextList& list) {
  ::WriteGame(list, CurrentSettings(), Game);
}

void TGameSession::ReadOptions(TStoredTextList& list) {
  TOptions options;
  options.Settings = CurrentSettings();
  const TBoardSize shown = View.ShownBoardSize();
  options.Settings.ColumnsCount = shown.Columns;
  options.Settings.RowsCount = shown.Rows;
  options.LastGameFileName = LastGameFileName;
  ::ReadOptions(list, options);
  ApplySettings(options.Settings);
  LastGameFileName = options.LastGameFileName;
  OpenDialog.FileName = LastGameFileName;
  SaveDialog.FileName = LastGameFileName;
  View.ShowFullScreen(options.FullScreen);
  View.ShowStartPrompt(FileExists(LastGameFileName));
}

void TGameSession::WriteOptions(TStoredTextList& list) {
  const TBoardSize size = View.ChosenBoardSize();
  Game.ColumnsCount = size.Columns;
  Game.RowsCount = size.Rows;
  TOptions options;
  options.Settings = CurrentSettings();
  options.LastGameFileName = LastGameFileName;
  options.FullScreen = View.FullScreenChosen();
  ::WriteOptions(list, options);
}

void TGameSession::AnalyzeWordsList() {
  ShowingFunction(
      "TGameSession::AnalyzeWordsList",
      TranslatableText("TErrorForm", "Failed to analyze words list."),
      [&](TFunScope&) {
        // Only reads the game: the report goes to the clipboard.
        const std::string report = WordsListAnalysisReport(Game.WordsListLines, Game.Letters);
        if (report.empty()) {
          ShowWarningDialog(Translated("GameSession", "There is nothing to analyze."));
          return;
        }
        if (View.CopyReportToClipboard(report)) {
          ShowMessageDialog(
              Translated("GameSession", "Analysis report was successfully copied to clipboard."));
        }
      });
}

// --- Moves -----------------------------------------------------------------------

void TGameSession::RefuseMove() const {
  if (!Game.IsEnded()) {
    BeepSimple();
  }
}

void TGameSession::SuggestWord() {
  ShowingFunction(
      "TGameSession::SuggestWord", TranslatableText("TErrorForm", "Failed to suggest a word."),
      [&](TFunScope&) {
        // Without a game on the board or a usable dictionary there is
        // nothing to suggest.
        if (!GameShown || Dictionary.ActiveLettersCount < kMinActiveLetters || Game.IsEnded()) {
          return;
        }
        const std::optional<TWordMove> move = FindSuggestion(Game);
        if (!move.has_value()) {
          ShowMessageDialog(Translated("GameSession",
                                       "The stock letters make no word of the words list here."));
          return;
        }
        PlaceSuggestion(Game, View, *move);
        Game.Figures.CountSuggestion();
        // Enter commits the reading the words list knows.
        View.Say(SpokenSuggestion(*move, Game.OnlyFlippedReadingIsKnown()
                                             ? TCommitKeys{"Shift+Enter", "Enter"}
                                             : TCommitKeys{}));
      });
}

TPutWordResult TGameSession::PutWord(bool flipped) {
  const bool wasEnded = Game.IsEnded();
  const TGameState before = CaptureState(Game);
  const int32_t entriesBefore = Game.WordsListLines.Count();
  const TPutWordResult result = CommitWord(Game, flipped, View.ChosenUnknownWordRules());
  if (result == TPutWordResult::Committed) {
    RecordMove(before, entriesBefore);
    const TTurnFigures& turn = Game.Figures.Turns.back();
    View.Say(SpokenCommit(turn.Word, turn.Score, Game));
  } else if (result == TPutWordResult::Refused) {
    const std::string read = Game.ReadLooseWord();
    View.Say(WordCheckText(flipped ? ReverseText(read) : read, false));
  }
  AfterMove(wasEnded);
  return result;
}

bool TGameSession::EnterCommitsFlipped(bool otherReading) const {
  return otherReading != Game.OnlyFlippedReadingIsKnown();
}

void TGameSession::ChangeLetter(int32_t slot) {
  if (!CanReplaceStockLetter(Game, slot)) {
    RefuseMove();
    return;
  }
  const char chosen = View.AskReplacementLetter(slot, Game.StockLetter(slot));
  const bool wasEnded = Game.IsEnded();
  const TGameState before = CaptureState(Game);
  const int32_t changesBefore = Game.LetterChangesCount;
  ChangeOneLetter(Game, slot, chosen);
  if (Game.LetterChangesCount != changesBefore) {
    RecordMove(before, Game.WordsListLines.Count());
    View.Say(SpokenNewLetters(Game));
  }
  AfterMove(wasEnded);
}

void TGameSession::NewStockLetters() {
  const bool wasEnded = Game.IsEnded();
  const TGameState before = CaptureState(Game);
  if (ChangeAllLetters(Game)) {
    RecordMove(before, Game.WordsListLines.Count());
    View.Say(SpokenNewLetters(Game));
  }
  AfterMove(wasEnded);
}

bool TGameSession::PutStockLetter(int32_t slot, TCellPosition square) {
  if (!GameShown || !PutStockLetterAt(Game, View, slot, square)) {
    RefuseMove();
    return false;
  }
  View.Say(SpokenLetterPut(Game.Board[square.Column][square.Row].Letter, square));
  return true;
}

bool TGameSession::BeginStockDrag(int32_t slot) { return StartStockDrag(Game, slot); }

bool TGameSession::BeginBoardDrag(TCellPosition square) { return StartBoardDrag(Game, square); }

void TGameSession::DropOnStock(TDragSource source, int32_t slot) {
  ::DropOnStock(Game, source, slot);
}

void TGameSession::DropOnBoard(TDragSource source, TCellPosition square) {
  ::DropOnBoard(Game, View, source, square);
}

bool TGameSession::TakeBack(TCellPosition square) { return TakeBackLooseLetter(Game, square); }

bool TGameSession::ReturnLetter(TCellPosition square) {
  if (!ReturnLooseLetter(Game, square)) {
    RefuseMove();
    return false;
  }
  return true;
}

bool TGameSession::TakeBackBehind(TBoardCursor& cursor) {
  if (!TakeBackBehindCursor(Game, cursor)) {
    RefuseMove();
    return false;
  }
  return true;
}

std::string TGameSession::WhyNoWord() const {
  return WordProblemText(ReadLooseWordWithProblem(Game.Board, Game.LooseLetterList,
                                                  Game.ColumnsCount, Game.RowsCount)
                             .Problem);
}

void TGameSession::SayWhyNoWord(const std::string& shownReason) {
  if (Game.IsEnded()) {
    //: Spoken when a word cannot be put because the game has ended
    View.Say(Translated("SpokenText", "The game is over."));
  } else if (!shownReason.empty()) {
    View.Say(shownReason);
  } else {
    View.Say(Translated("SpokenText", kSpokenNoLooseLetters));
  }
}

void TGameSession::SayState(const TBoardCursor& cursor) { View.Say(SpokenState(Game, cursor)); }

// --- Undo and redo -----------------------------------------------------------------

void TGameSession::ForgetHistory() {
  History.Clear();
  ShowUndoRedo();
}

void TGameSession::ShowUndoRedo() { View.SetUndoRedoEnabled(CanUndo(), CanRedo()); }

void TGameSession::RecordMove(TGameState before, int32_t entriesBefore) {
  TUndoStep step;
  step.Before = std::move(before);
  step.After = CaptureState(Game);
  if (step.After.TurnsCount > step.Before.TurnsCount && !Game.Figures.Turns.empty()) {
    step.Turn = Game.Figures.Turns.back();
  }
  if (Game.WordsListLines.Count() > entriesBefore && step.Turn.has_value()) {
    step.AddedWord = step.Turn->Word;
  }
  History.Record(std::move(step));
  ShowUndoRedo();
}

void TGameSession::Undo() {
  if (!GameShown) {
    return;
  }
  const TUndoStep* step = UndoMove(Game, View, History);
  if (step == nullptr) {
    RefuseMove();
    return;
  }
  if (!step->AddedWord.empty() && Game.WordsListLines.RemoveWord(step->AddedWord)) {
    Game.WordsListModified = true;
    Game.ShowWordsCount();
  }
  // The word label told of a commit that is no longer made.
  View.SetValidWordLabel({});
  LastOutcome = {};
  ShowUndoRedo();
  //: Spoken after Undo: %1 lists the stock slots ("1 K, 2 A, 3 empty, ...")
  View.Say(SpokenLetters(Translated("SpokenText", "Move taken back. Your letters: %1."), Game));
}

void TGameSession::Redo() {
  if (!GameShown) {
    return;
  }
  const bool wasEnded = Game.IsEnded();
  const TUndoStep* step = RedoMove(Game, View, History);
  if (step == nullptr) {
    RefuseMove();
    return;
  }
  if (step->Turn.has_value()) {
    View.SetValidWordLabel(WordCheckText(step->Turn->Word, Game.IsKnownWord(step->Turn->Word)));
  }
  if (!step->AddedWord.empty()) {
    Game.WordsListLines.AddWord(step->AddedWord);
    Game.WordsListModified = true;
    Game.ShowWordsCount();
  }
  ShowUndoRedo();
  //: Spoken after Redo: %1 lists the stock slots ("1 K, 2 A, 3 empty, ...")
  View.Say(
      SpokenLetters(Translated("SpokenText", "Move played again. Your letters: %1."), Game));
  AfterMove(wasEnded);
}

// --- The game's end ----------------------------------------------------------------

void TGameSession::AfterMove(bool wasEnded) {
  if (!wasEnded && Game.IsEnded()) {
    FinishGame();
  }
}

void TGameSession::EndGame() {
  if (!GameShown || Game.IsEnded()) {
    return;
  }
  if (ShowQueryDialog(Translated("GameSession", "End this game?"))) {
    ::EndGame(Game);
    FinishGame();
  }
}

std::string TGameSession::RecordsFilePath() const { return GetProgramDirFile(kRecordsFileName); }

void TGameSession::FinishGame() {
  LastOutcome = EnterGameInRecords(
      RecordsFilePath(),
      RecordTableName(Dictionary.DictionaryName, Game.ColumnsCount, Game.RowsCount), Game.Figures,
      RecordDateTime());
  GameSummary();
}

TSummaryFacts TGameSession::CurrentSummaryFacts() const {
  TSummaryFacts facts;
  facts.FinalScore = Game.Score;
  facts.LetterChangesUsed = std::max(
      TGame::LetterChangesFor(Game.ColumnsCount, Game.RowsCount) - Game.LetterChangesCount, 0);
  facts.Figures = Game.Figures;
  facts.Outcome = LastOutcome;
  return facts;
}

void TGameSession::GameSummary() {
  if (Game.IsEnded()) {
    View.ShowSummary(CurrentSummaryFacts());
  }
}

void TGameSession::Records() {
  // The game's own size while one is shown, else the size of the next game.
  TBoardSize size{Game.ColumnsCount, Game.RowsCount};
  if (!GameShown) {
    size = View.ChosenBoardSize();
  }
  View.ShowRecords(LoadRecordsFile(RecordsFilePath()),
                   RecordTableName(Dictionary.DictionaryName, size.Columns, size.Rows));
}
