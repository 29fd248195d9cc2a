#pragma once
// A game display for tests that keeps what the game tests look at, and
// scene builders that lay out a board from a picture or play whole moves.

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "game/Game.h"
#include "game/LetterMoves.h"

class TRecordingDisplay : public TSilentGameDisplay {
 public:
  void RepaintCell(int32_t, int32_t) override { ++Repaints; }
  void SetNewStockLettersEnabled(bool enabled) override { NewStockLettersEnabled = enabled; }
  void SetLetterChangesLabel(const std::string& text) override { LetterChanges = text; }
  void SetValidWordLabel(const std::string& text) override { ValidWord = text; }
  void SetWordsCountLabel(const std::string& text) override { WordsCount = text; }
  void SetPutButtonsEnabled(bool enabled) override { PutEnabled = enabled; }
  void ShowPlayState(TPlayState state) override { State = state; }

  bool NewStockLettersEnabled = false, PutEnabled = false;
  int Repaints = 0;
  TPlayState State = TPlayState::Playing;
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
  // One text per row from row 0: capitals and letters beyond ASCII are fixed
  // letters, small letters are loose (placed as capitals), anything else
  // leaves the square empty.
  TGameScene& Picture(const std::vector<std::string>& rows) {
    for (size_t r = 0; r < rows.size(); ++r) {
      for (size_t c = 0; c < rows[r].size(); ++c) {
        const char ch = rows[r][c];
        const auto byte = static_cast<unsigned char>(ch);
        const auto column = static_cast<int32_t>(c), row = static_cast<int32_t>(r);
        if (std::isupper(byte) || byte >= 0x80) {
          Game.Board[column][row] = {ch, 0};
        } else if (std::islower(byte)) {
          Game.Board[column][row] = {static_cast<char>(std::toupper(ch)), 1};
          Game.AddLooseLetter(column, row);
        }
      }
    }
    return *this;
  }
  // The stock slots from the left; a '.' and the slots past the text are empty.
  TGameScene& Stock(const std::string& letters) {
    for (int32_t slot = 0; slot < kStockSlots; ++slot) {
      const char letter = slot < static_cast<int32_t>(letters.size()) ? letters[slot] : '.';
      Game.SetStockLetter(slot, letter == '.' ? 0 : letter);
    }
    return *this;
  }
  // Only these letters are drawn.
  TGameScene& DrawOnly(const std::string& letters) {
    Game.Letters.LetterProbabilities = {};
    for (const char letter : letters) {
      Game.Letters.LetterProbabilities[letter - 'A'] = 100;
    }
    return *this;
  }
  // Drags the stock letters of the word onto a row from the square, loose.
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

  TRecordingDisplay Display;
  TRandomSource Random{[](void*, size_t) { return false; }};
  TGame Game{Display, Random};
};

// A seeded game for whole moves over the given words list: A scores 1, B 2
// and so on, a word of n letters placed brings n - 1 more.
struct TPlayScene : TGameScene {
  explicit TPlayScene(const std::string& words, int32_t size = 10) : TGameScene(size) {
    for (int32_t i = 0; i < 26; ++i) {
      Game.Letters.LetterScores[i] = i + 1;
    }
    Game.Letters.LengthScores = {0, 1, 2, 3, 4, 5, 6};
    Game.WordsListLines.ReadWordsListText(words);
    Random.SeedForTesting(7);
  }
};
