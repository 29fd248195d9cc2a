#pragma once
// A game display for tests that keeps what the game tests look at, and a
// scene builder that lays out a board from a picture.

#include <cctype>
#include <string>
#include <vector>

#include "game/Game.h"

class TRecordingDisplay : public TSilentGameDisplay {
 public:
  void RepaintCell(int32_t, int32_t) override { ++Repaints; }
  void SetNewStockLettersEnabled(bool enabled) override { NewStockLettersEnabled = enabled; }
  void SetLetterChangesLabel(const std::string& text) override { LetterChanges = text; }
  void SetValidWordLabel(const std::string& text) override { ValidWord = text; }
  void SetWordsCountLabel(const std::string& text) override { WordsCount = text; }

  bool NewStockLettersEnabled = false;
  int Repaints = 0;
  std::string LetterChanges, ValidWord, WordsCount = "untouched";
};

// A picture row whose text ends in the board array's last column.
inline std::string AtRightEdge(const std::string& row) {
  return std::string(kMaxBoardSize - row.size(), ' ') + row;
}

// A set-up game with the alphabet A..Z, each letter of weight 100 (score 8),
// and a random source that needs neither the mouse nor the generator.

struct TGameScene {
  explicit TGameScene(int32_t size = 15) {
    for (int32_t i = 0; i < 26; ++i) {
      Game.Letters.Alphabet[i] = static_cast<char>('A' + i);
      Game.Letters.LetterProbabilities[i] = 100;
      Game.Letters.LetterScores[i] = 8;
    }
    Game.StartUp();
    Game.ColumnsCount = Game.RowsCount = size;
    Game.SetUpNewBoard();
  }
  // One text per row from row 0: capitals are fixed letters, small letters
  // are loose (placed as capitals), anything else leaves the square empty.
  TGameScene& Picture(const std::vector<std::string>& rows) {
    for (size_t r = 0; r < rows.size(); ++r) {
      for (size_t c = 0; c < rows[r].size(); ++c) {
        const char ch = rows[r][c];
        const auto column = static_cast<int32_t>(c), row = static_cast<int32_t>(r);
        if (std::isupper(static_cast<unsigned char>(ch))) {
          Game.Board[column][row] = {ch, 0};
        } else if (std::islower(static_cast<unsigned char>(ch))) {
          Game.Board[column][row] = {static_cast<char>(std::toupper(ch)), 1};
          Game.AddLooseLetter(column, row);
        }
      }
    }
    return *this;
  }

  TRecordingDisplay Display;
  TRandomSource Random{[](void*, size_t) { return false; }};
  TGame Game{Display, Random};
};
