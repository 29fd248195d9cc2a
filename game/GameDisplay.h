#pragma once
// What the rules engine changes on screen, told to the window that shows the
// game. The engine decides every text and state; the window only shows them.

#include <cstdint>
#include <string>

// Where a game stands: moves can be made, the letters on hand make no word
// but letter changes are left, or the game has ended (no move is taken).
enum class TPlayState { Playing, StockMakesNoWord, Ended };

class IGameDisplay {
 public:
  virtual ~IGameDisplay() = default;

  // Both commit buttons, "Put word on board" and "Put flipped word".
  virtual void SetPutButtonsEnabled(bool enabled) = 0;
  virtual void RepaintCell(int32_t column, int32_t row) = 0;
  // A new board of this size is being set up: the square size can be worked out.
  virtual void BoardSizeChanged(int32_t columns, int32_t rows) = 0;
  // Repaints every square and makes the board visible.
  virtual void ShowWholeBoard() = 0;
  // Stock slot 0..6 (the leftmost panel is 0) now holds the letter; 0 for none.
  virtual void SetStockLetter(int32_t slot, char letter) = 0;
  virtual void SetNewStockLettersEnabled(bool enabled) = 0;
  virtual void SetLetterChangesLabel(const std::string& text) = 0;
  virtual void SetScoreLabel(const std::string& text) = 0;
  virtual void SetLetterScoreLabel(const std::string& text) = 0;
  virtual void SetValidWordLabel(const std::string& text) = 0;
  virtual void SetWordsCountLabel(const std::string& text) = 0;
  virtual void SetCaption(const std::string& text) = 0;
  // The game's play state, told after every check and on every new board.
  virtual void ShowPlayState(TPlayState) {}
};

// A display that shows nothing, for work without a window.
class TSilentGameDisplay : public IGameDisplay {
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
};
