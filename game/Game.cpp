#include "game/Game.h"

#include <algorithm>

#include "Libraries/Text/Text.h"
#include "Libraries/Text/Translation.h"
#include "game/Scoring.h"
#include "game/WordRule.h"

TGame::TGame(IGameDisplay& display, TRandomSource& random) : Display(display), Random(random) {}

void TGame::StartUp() {
  DragOrigin = {-1, -1};
  ResetGameDisplay();
  ClearBoard();
  ColumnsCount = kDefaultBoardSize;
  RowsCount = kDefaultBoardSize;
}

void TGame::ResetGameDisplay() {
  GameModified = false;
  Display.SetWordsCountLabel({});
  Display.SetValidWordLabel({});
  LetterChangesCount = 0;
  ShowLetterChanges();
  Score = 0;
  Display.SetScoreLabel({});
  ShowLetterScore(0);
  Figures = {};
  PlayState = TPlayState::Playing;
  Display.ShowPlayState(PlayState);
}

void TGame::SetUpNewBoard() {
  ResetGameDisplay();
  ColumnsCount = std::clamp(ColumnsCount, kMinBoardSize, kMaxBoardSize);
  RowsCount = std::clamp(RowsCount, kMinBoardSize, kMaxBoardSize);
  Display.BoardSizeChanged(ColumnsCount, RowsCount);
  ClearBoard();
  LetterChangesCount = LetterChangesFor(ColumnsCount, RowsCount);
  ShowLetterChanges();
  Score = 0;
  ShowScore(0);
  ShowLetterScore(0);
  ShowCaption({});
  Display.ShowWholeBoard();
}

int32_t TGame::LetterChangesFor(int32_t columns, int32_t rows) {
  // The double nearest 0.05 lies a little above it, so products that are
  // whole numbers (10 x 30 x 0.05 = 15) are not truncated one lower.
  return static_cast<int32_t>(columns * rows * 0.05);
}

void TGame::ShowCaption(const std::string& gameFileName) {
  if (gameFileName.empty()) {
    Display.SetCaption("Glyphmason");  // the program's name
    return;
  }
  //: Main window title: %1 is the game file's path
  Display.SetCaption(FilledIn(Translated("Game", "Glyphmason - %1"), {gameFileName}));
}

void TGame::ClearBoard() {
  Board = TBoard{};
  LooseLetterList.Clear();
  LooseOrigins.clear();
  Display.SetPutButtonsEnabled(false);
}

void TGame::FixLooseLetters() {
  for (int32_t i = 0; i < LooseLetterList.Count(); ++i) {
    const TCellPosition p = LooseLetterList[i];
    Board[p.Column][p.Row].IsLoose = 0;
    Display.RepaintCell(p.Column, p.Row);
  }
  LooseLetterList.Clear();
  LooseOrigins.clear();
  Display.SetPutButtonsEnabled(false);
}

void TGame::AddLooseLetter(int32_t column, int32_t row, int32_t fromSlot) {
  if (IsInBoardArray(column, row) && LooseLetterList.Add({column, row}) && fromSlot >= 0) {
    LooseOrigins.push_back({{column, row}, fromSlot});
  }
}

int32_t TGame::LooseLetterSlot(TCellPosition square) const {
  for (const TLooseOrigin& origin : LooseOrigins) {
    if (origin.Square == square) {
      return origin.Slot;
    }
  }
  return -1;
}

void TGame::RemoveLooseLetter(int32_t column, int32_t row) {
  if (!IsInBoardArray(column, row)) {
    return;
  }
  Board[column][row] = TBoardCell{};
  Display.RepaintCell(column, row);
  LooseLetterList.Remove({column, row});
  std::erase_if(LooseOrigins, [&](const TLooseOrigin& origin) {
    return origin.Square == TCellPosition{column, row};
  });
}

void TGame::MoveLooseLetter(int32_t oldColumn, int32_t oldRow, int32_t newColumn, int32_t newRow) {
  LooseLetterList.Move({oldColumn, oldRow}, {newColumn, newRow});
  for (TLooseOrigin& origin : LooseOrigins) {
    if (origin.Square == TCellPosition{oldColumn, oldRow}) {
      origin.Square = {newColumn, newRow};
    }
  }
}

bool TGame::HasNoFixedLetters() const { return ::HasNoFixedLetters(Board, ColumnsCount, RowsCount); }

char TGame::StockLetter(int32_t slot) const {
  return slot >= 0 && slot < kStockSlots ? Stock[slot] : 0;
}

void TGame::SetStockLetter(int32_t slot, char letter) {
  if (slot < 0 || slot >= kStockSlots) {
    return;
  }
  Stock[slot] = letter;
  Display.SetStockLetter(slot, letter);
}

void TGame::ClearStock() {
  for (int32_t slot = 0; slot < kStockSlots; ++slot) {
    SetStockLetter(slot, 0);
  }
}

int32_t TGame::FirstEmptyStockSlot() const {
  for (int32_t slot = 0; slot < kStockSlots; ++slot) {
    if (Stock[slot] == 0) {
      return slot;
    }
  }
  return -1;
}

char TGame::DrawStockLetter() {
  const int32_t slot = Random.PickWeightedIndex(Letters.LetterProbabilities);
  return slot < 0 ? 0 : Letters.Alphabet[slot];
}

void TGame::FillStock() {
  GameModified = true;
  for (int32_t slot = 0; slot < kStockSlots; ++slot) {
    if (Stock[slot] == 0) {
      SetStockLetter(slot, DrawStockLetter());
    }
  }
}

void TGame::ShowLetterChanges() {
  Display.SetNewStockLettersEnabled(LetterChangesCount >= 1 && !IsEnded());
  //: Label, 180 px wide: %1 is how many letter changes are left
  Display.SetLetterChangesLabel(FilledIn(Translated("Game", "Available letter changes %1"),
                                         {std::to_string(std::max(LetterChangesCount, 0))}));
}

std::string TGame::ReadLooseWord() const {
  return ::ReadLooseWord(Board, LooseLetterList, ColumnsCount, RowsCount);
}

void TGame::UpdatePutButtons() {
  Display.SetPutButtonsEnabled(!IsEnded() &&
                               CanPutWord(ReadLooseWord(), LooseLetterList.Count()));
}

bool TGame::IsKnownWord(const std::string& word) const {
  const int32_t found = WordsListLines.FindWord(word);
  return found >= 0 && WordsListLines.Entry(found).size() == word.size();
}

bool TGame::OnlyFlippedReadingIsKnown() const {
  const std::string word = ReadLooseWord();
  return !word.empty() && !IsKnownWord(word) && IsKnownWord(ReverseText(word));
}

std::string WordCheckText(const std::string& word, bool known) {
  if (known) {
    //: Label, 290 px wide, also spoken: %1 is the word just put on the board
    return FilledIn(Translated("Game", "Last word is in the words list: \"%1\""), {word});
  }
  //: Label, 290 px wide, also spoken: %1 is the word the player tried to put
  return FilledIn(Translated("Game", "Last word was NOT in the words list: \"%1\""), {word});
}

TPutWordResult TGame::PutWord(bool flipped, const TUnknownWordRules& rules) {
  std::string word = IsEnded() ? std::string() : ReadLooseWord();
  if (word.empty()) {
    return TPutWordResult::NoWord;
  }
  if (flipped) {
    word = ReverseText(word);
  }
  const bool known = IsKnownWord(word);
  Display.SetValidWordLabel(WordCheckText(word, known));
  if (!known) {
    if (!rules.AllowUnknownWords) {
      return TPutWordResult::Refused;
    }
    if (rules.AddToWordsList) {
      WordsListLines.AddWord(word);
      WordsListModified = true;
      ShowWordsCount();
    }
  }
  Score = AddScore(Score, WordScore());
  ShowScore(0);
  ShowLetterScore(0);
  FixLooseLetters();
  FillStock();
  return TPutWordResult::Committed;
}

void TGame::SetPlayState(TPlayState state) {
  PlayState = state;
  Display.ShowPlayState(state);
  if (IsEnded()) {
    Display.SetPutButtonsEnabled(false);
    ShowLetterChanges();
  }
}

void TGame::ShowWordsCount() {
  Display.SetWordsCountLabel(WordsCountText(WordsListLines.Count(), WordsListModified));
}

int32_t TGame::WordScore() const { return ::WordScore(Letters, Board, LooseLetterList); }

void TGame::ShowScore(int32_t possible) { Display.SetScoreLabel(ScoreText(Score, possible)); }

void TGame::ShowLetterScore(char letter) {
  Display.SetLetterScoreLabel(LetterScoreText(Letters, letter));
}
