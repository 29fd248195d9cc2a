#pragma once
// A game display for tests: keeps the last state of every control the engine
// talks to, and the squares it asked to repaint.

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "game/Game.h"

class TRecordingDisplay : public IGameDisplay {
 public:
  void SetPutButtonsEnabled(bool enabled) override { PutButtonsEnabled = enabled; }
  void RepaintCell(int32_t column, int32_t row) override { Repainted.emplace_back(column, row); }
  void BoardSizeChanged(int32_t columns, int32_t rows) override { BoardSize = {columns, rows}; }
  void ShowWholeBoard() override { BoardShown = true; }
  void SetStockLetter(int32_t slot, char letter) override { StockPanels.at(slot) = letter; }
  void SetNewStockLettersEnabled(bool enabled) override { NewStockLettersEnabled = enabled; }
  void SetLetterChangesLabel(const std::string& text) override { LetterChangesLabel = text; }
  void SetScoreLabel(const std::string& text) override { ScoreLabel = text; }
  void SetLetterScoreLabel(const std::string& text) override { LetterScoreLabel = text; }
  void SetValidWordLabel(const std::string& text) override { ValidWordLabel = text; }
  void SetWordsCountLabel(const std::string& text) override { WordsCountLabel = text; }
  void SetCaption(const std::string& text) override { Caption = text; }

  bool PutButtonsEnabled = false;
  std::vector<std::pair<int32_t, int32_t>> Repainted;
  std::pair<int32_t, int32_t> BoardSize{0, 0};
  bool BoardShown = false;
  std::array<char, kStockSlots> StockPanels{};
  bool NewStockLettersEnabled = false;
  std::string LetterChangesLabel = "unset";
  std::string ScoreLabel = "unset";
  std::string LetterScoreLabel = "unset";
  std::string ValidWordLabel = "unset";
  std::string WordsCountLabel = "unset";
  std::string Caption = "unset";
};

// A game on a board of the given size with an alphabet A..Z (every letter
// weight 100 unless changed), a display recorder and a random source that
// does not depend on the mouse.
class TGameScene {
 public:
  explicit TGameScene(int32_t columns = 15, int32_t rows = 15) {
    for (int32_t i = 0; i < 26; ++i) {
      Game.Letters.Alphabet[i] = static_cast<char>('A' + i);
      Game.Letters.LetterProbabilities[i] = 100;
    }
    Game.StartUp();
    Game.ColumnsCount = columns;
    Game.RowsCount = rows;
    Game.SetUpNewBoard();
  }

  // Letters already committed, left to right from (column, row).
  void FixedRow(int32_t column, int32_t row, const std::string& letters) {
    for (size_t i = 0; i < letters.size(); ++i) {
      Game.Board[column + static_cast<int32_t>(i)][row] = {letters[i], 0};
    }
  }
  void FixedColumn(int32_t column, int32_t row, const std::string& letters) {
    for (size_t i = 0; i < letters.size(); ++i) {
      Game.Board[column][row + static_cast<int32_t>(i)] = {letters[i], 0};
    }
  }
  // A letter placed this turn.
  void Loose(int32_t column, int32_t row, char letter) {
    Game.Board[column][row] = {letter, 1};
    Game.AddLooseLetter(column, row);
  }
  // Letters placed this turn, left to right; ' ' leaves a square alone.
  void LooseRow(int32_t column, int32_t row, const std::string& letters) {
    for (size_t i = 0; i < letters.size(); ++i) {
      if (letters[i] != ' ') {
        Loose(column + static_cast<int32_t>(i), row, letters[i]);
      }
    }
  }
  void LooseColumn(int32_t column, int32_t row, const std::string& letters) {
    for (size_t i = 0; i < letters.size(); ++i) {
      if (letters[i] != ' ') {
        Loose(column, row + static_cast<int32_t>(i), letters[i]);
      }
    }
  }
  std::string Word() const { return Game.ReadLooseWord(); }

  TRecordingDisplay Display;
  // Without the generator, each draw is the stirred entropy word.
  TRandomSource Random{[](void*, size_t) { return false; }};
  TGame Game{Display, Random};
};
