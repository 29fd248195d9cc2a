#pragma once
// One game in progress: the board, the loose letters, the stock, the counters,
// the letter data of the current dictionary and its words list, with the
// operations that play the game. The game session owns one TGame, and the
// window shows what it reports through IGameDisplay.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "game/Board.h"
#include "game/GameDisplay.h"
#include "game/GameFigures.h"
#include "game/MyRandom.h"
#include "game/WordFinder.h"
#include "lexicon/LetterData.h"
#include "lexicon/WordsList.h"

inline constexpr int32_t kStockSlots = 7;

// The two check boxes that decide what happens to a word the words list
// does not know.
struct TUnknownWordRules {
  bool AllowUnknownWords = true;
  bool AddToWordsList = true;  // only while unknown words are allowed
};

enum class TPutWordResult {
  NoWord,     // the loose letters form no word: nothing changed
  Refused,    // an unknown word while unknown words are not allowed: only the label changed
  Committed,  // scored, the loose letters fixed and the stock refilled
};

// The word label's text after a commit: whether the words list knew the word.
std::string WordCheckText(const std::string& word, bool known);

class TGame {
 public:
  explicit TGame(IGameDisplay& display, TRandomSource& random = RandomSource());

  // --- State -----------------------------------------------------------------
  TBoard Board{};
  // Size of the current board, 10..30 each; squares outside it stay empty.
  int32_t ColumnsCount = kDefaultBoardSize;
  int32_t RowsCount = kDefaultBoardSize;
  // Exactly the loose squares of the board.
  TLooseLetterList LooseLetterList;
  int32_t Score = 0;
  int32_t LetterChangesCount = 0;
  bool GameModified = false;
  bool WordsListModified = false;
  // Where a drag on the board began; (-1, -1) for a drag from the stock.
  TCellPosition DragOrigin{-1, -1};
  TLetterData Letters;
  TWordsList WordsListLines;
  // The suggestion's word graphs over WordsListLines, built at the first
  // suggestion after the list is read and kept in step with added words.
  TWordFinder WordFinder;
  // The game's figures since its first commit, and where it stands.
  TGameFigures Figures;
  TPlayState PlayState = TPlayState::Playing;
  // The random source the stock letters are drawn from.
  TRandomSource& Randomizer() const { return Random; }
  bool IsEnded() const { return PlayState == TPlayState::Ended; }
  // Records the state and shows it; an ended game disables the commit
  // buttons and "New stock letters". Whoever made the move that ended the
  // game sees it ended and acts on it (the session enters the records).
  void SetPlayState(TPlayState state);

  // --- Start-up and new boards -------------------------------------------------
  // The state of a program just started: no board shown, empty labels,
  // a 15 x 15 size.
  void StartUp();
  // Empties the game labels and sets the counters, the score and the
  // modified flag to 0.
  void ResetGameDisplay();
  // A fresh empty board of ColumnsCount x RowsCount (brought into 10..30),
  // with its letter changes, shown. The stock is left alone.
  void SetUpNewBoard();
  // Letter changes of a new board: the square count x 0.05, truncated.
  static int32_t LetterChangesFor(int32_t columns, int32_t rows);
  // "Glyphmason", then " - " and the game file name when there is one.
  void ShowCaption(const std::string& gameFileName);

  // --- Board and loose letters -----------------------------------------------
  int32_t LetterIndex(char letter) const { return Letters.LetterIndex(letter); }
  // Empties every square of the board array and the loose-letter list and
  // disables the commit buttons; repaints nothing.
  void ClearBoard();
  // The loose letters become fixed and are repainted; the commit buttons are disabled.
  void FixLooseLetters();
  // Records a loose square, with the stock slot its letter came from (-1
  // when not known); ignored when seven are recorded already or the position
  // lies outside the board array. The square is set by the caller.
  void AddLooseLetter(int32_t column, int32_t row, int32_t fromSlot = -1);
  // The stock slot the loose letter on the square came from; -1 when it is
  // not known (a loaded game's loose letters) or the square holds none.
  int32_t LooseLetterSlot(TCellPosition square) const;
  // Empties the square, repaints it and drops its entry from the list (the
  // last entry takes its place). Positions outside the board array are ignored.
  void RemoveLooseLetter(int32_t column, int32_t row);
  // Entries at the old position now name the new one; the squares themselves
  // are changed by the caller.
  void MoveLooseLetter(int32_t oldColumn, int32_t oldRow, int32_t newColumn, int32_t newRow);
  bool HasNoFixedLetters() const;

  // --- Stock -----------------------------------------------------------------
  // The letter of stock slot 0..6 (slot 0 is the leftmost); 0 when empty or
  // for a slot outside 0..6.
  char StockLetter(int32_t slot) const;
  // Puts the letter (0 for none) into the slot and shows it.
  void SetStockLetter(int32_t slot, char letter);
  void ClearStock();
  // The first empty slot from the left; -1 when all hold letters.
  int32_t FirstEmptyStockSlot() const;
  // A letter drawn by the letters' weights; 0 when no letter can be drawn.
  char DrawStockLetter();
  // Draws a letter into every empty slot, left to right, and marks the game
  // modified. Occupied slots keep their letters.
  void FillStock();
  // Enables "New stock letters" while changes are left and shows
  // "Available letter changes N" (0 for a negative count).
  void ShowLetterChanges();

  // --- Words -----------------------------------------------------------------
  // The word the loose letters form, empty text when they form none.
  std::string ReadLooseWord() const;
  // Enables both commit buttons exactly when the loose letters form a word.
  void UpdatePutButtons();
  // Whether the words list holds the word exactly.
  bool IsKnownWord(const std::string& word) const;
  // True when the words list knows the loose letters' word only read
  // flipped: the reading Enter commits then. False when both readings, or
  // neither, are known, or the loose letters form no word.
  bool OnlyFlippedReadingIsKnown() const;
  // Commits the loose letters' word, read backwards when flipped: looks it up,
  // reports the result in the word label, refuses or adds an unknown word as
  // the rules say, scores it, fixes the letters and refills the stock. An
  // ended game commits nothing. The figures and the game's end are the
  // referee's (game/Referee).
  TPutWordResult PutWord(bool flipped, const TUnknownWordRules& rules);
  // Shows the words list's size; "; new words." while words were added.
  void ShowWordsCount();

  // --- Scores ----------------------------------------------------------------
  // What the loose letters would score if committed now.
  int32_t WordScore() const;
  // Shows the total, and the possible score when it is 1 or more.
  void ShowScore(int32_t possible);
  // Shows the score of the letter; empties the label for 0.
  void ShowLetterScore(char letter);

 private:
  IGameDisplay& Display;
  TRandomSource& Random;
  std::array<char, kStockSlots> Stock{};
  // The stock slot of each loose letter put there in this turn.
  struct TLooseOrigin {
    TCellPosition Square;
    int32_t Slot = -1;
  };
  std::vector<TLooseOrigin> LooseOrigins;
};
