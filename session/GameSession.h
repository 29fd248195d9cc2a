#pragma once
// One player's session with the game: the game itself, its dictionary and
// words list, the game and options files, the figures, the records and the
// undo history, with one operation per player command. Plain C++: the
// session talks to the player only through ISessionView (what the window
// shows and what its controls hold), the message boxes and the file dialogs.
// The window lays out, paints and routes keys and mouse to these commands.

#include <cstdint>
#include <functional>
#include <string>

#include "Libraries/MyDialogs/FileDialogs.h"
#include "Libraries/StoredTextList/StoredTextList.h"
#include "dictionary/Dictionary.h"
#include "game/BoardCursor.h"
#include "game/Game.h"
#include "game/LetterMoves.h"
#include "game/UndoHistory.h"
#include "persistence/GameFile.h"
#include "persistence/GameSummary.h"
#include "persistence/Records.h"

struct TBoardSize {
  int32_t Columns = kDefaultBoardSize;
  int32_t Rows = kDefaultBoardSize;
};

// The window as the session sees it: the game's and the dictionary's
// displays, what its controls hold, and the other things it shows.
class ISessionView : public IGameDisplay, public IDictionaryDisplay {
 public:
  // --- What the player has set, read when a command needs it -----------------
  // The board size chosen for the next game, each within 10..30; a value
  // outside is reported to the player and replaced by 15.
  virtual TBoardSize ChosenBoardSize() = 0;
  // The sizes as the controls show them, unchecked: what a file's missing or
  // unacceptable values leave in place.
  virtual TBoardSize ShownBoardSize() = 0;
  virtual TUnknownWordRules ChosenUnknownWordRules() const = 0;
  virtual bool FullScreenChosen() const = 0;

  // --- What the session shows ---------------------------------------------------
  // The settings read from a game or options file, into the controls.
  virtual void ShowSettings(const TGameSettings& settings) = 0;
  virtual void ShowFullScreen(bool fullScreen) = 0;
  // The prompt of the empty board; it offers Ctrl+Z only when the last
  // game's file is there.
  virtual void ShowStartPrompt(bool lastGameExists) = 0;
  // Says the sentence (Windows-1252 text) to a screen reader.
  virtual void Say(const std::string& text) = 0;
  // The "Game over" summary.
  virtual void ShowSummary(const TSummaryFacts& facts) = 0;
  // The records, with the table to show first.
  virtual void ShowRecords(const TRecords& records, const std::string& table) = 0;
  virtual void SetUndoRedoEnabled(bool undo, bool redo) = 0;
  // The letter the player chooses to replace the slot's letter; 0 when the
  // choice was cancelled.
  virtual char AskReplacementLetter(int32_t slot, char current) = 0;
  // Puts the report on the clipboard; false (after telling the player)
  // when it could not.
  virtual bool CopyReportToClipboard(const std::string& report) = 0;
};

class TGameSession {
 public:
  explicit TGameSession(ISessionView& view, TRandomSource& random = RandomSource());
  TGameSession(const TGameSession&) = delete;
  TGameSession& operator=(const TGameSession&) = delete;

  TGame Game;
  TDictionary Dictionary;
  TStoredTextList OptionsList;
  TStoredTextList GameList;
  std::string LastGameFileName;
  TFileDialog OpenDialog;
  TFileDialog SaveDialog;
  TFileDialog LoadDictionaryOpenDialog;
  // What the records made of the game that ended last.
  TRecordOutcome LastOutcome;
  // The date and time a record is entered with; tests may fix it.
  std::function<std::string()> RecordDateTime;
  TUndoHistory History;

  // A game is on the board (a new or loaded one); before the first, the
  // start prompt is shown and the game commands do nothing.
  bool IsGameShown() const { return GameShown; }

  // --- Start and close ------------------------------------------------------------
  // The state of a program just started, shown: no board, empty labels.
  void StartUp() { Game.StartUp(); }
  // Creates the data folders and reads the options file; a passing function.
  void Start();
  // The save question, then the options file: false when the player
  // cancelled and the program stays.
  bool Close();

  // --- Work menu ------------------------------------------------------------------
  // The save question for a modified game: false when the player cancelled.
  bool CheckSave();
  void NewGame();
  void LoadDictionary();
  void LoadLastGame();
  void LoadGame();
  void SaveGame();
  void AnalyzeWordsList();
  // Lays the best word the stock can make as loose letters and names the
  // key that commits it; a message when no word can be made.
  void SuggestWord();
  // After the player agrees, the game ends as if it were over.
  void EndGame();
  // The summary of the ended game, again.
  void GameSummary();
  // The records of the current dictionary and of the game's board size, or
  // of the size chosen for the next game while no game is shown.
  void Records();
  // Takes back the last commit or letter change, step by step to the start
  // of the game; Redo plays it again with the very letters it drew.
  void Undo();
  void Redo();
  bool CanUndo() const { return History.CanUndo(); }
  bool CanRedo() const { return History.CanRedo(); }
  // Loads a game; a passing function (the caller shows its failure).
  void LoadGameFrom(const std::string& path);
  // Saves the new words and the game; a passing function.
  void SaveGameTo(const std::string& path);

  // --- Moves ------------------------------------------------------------------------
  // "Put word on board" (flipped: "Put flipped word"): the commit and what
  // it is told to a screen reader.
  TPutWordResult PutWord(bool flipped);
  // Enter's commit: the reading the words list knows, else the plain one;
  // with otherReading, the other one.
  bool EnterCommitsFlipped(bool otherReading) const;
  // The letter choice for a stock slot, at the cost of a letter change; a
  // beep when no change is left or the slot is empty.
  void ChangeLetter(int32_t slot);
  void NewStockLetters();
  // The stock slot's letter goes onto the square as a drag would put it
  // there and is told; false (a beep unless the game has ended) when the
  // slot is empty or the square taken.
  bool PutStockLetter(int32_t slot, TCellPosition square);
  // The letter moves of the mouse and the keys (see game/LetterMoves): a
  // drag begun on a stock slot or a loose letter, and dropped on a slot or a
  // square; a loose letter taken back by the right button (to the first
  // empty slot), by Delete (to its own slot while that is empty) or by
  // Backspace behind the cursor. False when the move is refused.
  bool BeginStockDrag(int32_t slot);
  bool BeginBoardDrag(TCellPosition square);
  void DropOnStock(TDragSource source, int32_t slot);
  void DropOnBoard(TDragSource source, TCellPosition square);
  bool TakeBack(TCellPosition square);
  bool ReturnLetter(TCellPosition square);
  bool TakeBackBehind(TBoardCursor& cursor);
  // A refused move beeps, but not in an ended game: there every move is
  // refused quietly, the way its buttons are disabled.
  void RefuseMove() const;
  // Why the loose letters form no word, as a sentence a player understands;
  // empty when they form one or none lie on the board.
  std::string WhyNoWord() const;
  // Why the loose letters cannot be committed now, for a screen reader.
  void SayWhyNoWord(const std::string& shownReason);
  // The letters, score, changes left and the cursor, aloud.
  void SayState(const TBoardCursor& cursor);

 private:
  // The settings both files share, as the session and the controls hold them.
  TGameSettings CurrentSettings();
  void ApplySettings(const TGameSettings& settings);
  void ReadGame(TStoredTextList& list);
  void WriteGame(TStoredTextList& list);
  void ReadOptions(TStoredTextList& list);
  void WriteOptions(TStoredTextList& list);
  // A fresh board of the chosen size, shown.
  void SetUpBoard(TBoardSize size);
  // The history starts again: a new game or a loaded one.
  void ForgetHistory();
  // Records a move that changed the game since `before` as an undo step.
  void RecordMove(TGameState before, int32_t entriesBefore);
  // Enters an ended game into the records and shows the summary.
  void FinishGame();
  // After a move: when it ended the game, the records and the summary.
  void AfterMove(bool wasEnded);
  TSummaryFacts CurrentSummaryFacts() const;
  std::string RecordsFilePath() const;
  void ShowUndoRedo();

  ISessionView& View;
  bool GameShown = false;
};
