#include "game/SpokenText.h"

#include <algorithm>

namespace {

constexpr int32_t kLettersInAlphabet = 26;

std::string LetterText(char letter) {
  return std::string(1, letter);
}

std::string PointsText(int32_t points) {
  return std::to_string(points) + (points == 1 ? " point" : " points");
}

// "1 K, 2 A, 3 empty, ..." for the seven slots.
std::string SlotsText(const TGame& game) {
  std::string text;
  for (int32_t slot = 0; slot < kStockSlots; ++slot) {
    const char letter = game.StockLetter(slot);
    text += (slot == 0 ? "" : ", ") + std::to_string(slot + 1) + " " +
            (letter == 0 ? std::string("empty") : LetterText(letter));
  }
  return text;
}

}  // namespace

std::string SquareNameText(int32_t column, int32_t row) {
  std::string letters;
  for (int32_t n = column + 1; n > 0; n = (n - 1) / kLettersInAlphabet) {
    letters.insert(letters.begin(), static_cast<char>('A' + (n - 1) % kLettersInAlphabet));
  }
  return letters + std::to_string(row + 1);
}

std::string SpokenLetters(const std::string& heading, const TGame& game) {
  return heading + ": " + SlotsText(game) + ".";
}

std::string SpokenLetterPut(char letter, TCellPosition square) {
  return LetterText(letter) + " on " + SquareNameText(square.Column, square.Row);
}

std::string SpokenCommit(const std::string& word, int32_t points, const TGame& game) {
  return word + " for " + PointsText(points) + ". Score " + std::to_string(game.Score) + ". " +
         SpokenLetters("New letters", game);
}

std::string SpokenSuggestion(const TWordMove& move, const TCommitKeys& keys) {
  // A flipped word reads from the last square of the board's reading back.
  const int32_t back = move.Flipped ? std::max(static_cast<int32_t>(move.Word.size()) - 1, 0) : 0;
  const TCellPosition first{move.First.Column + (move.Vertical ? 0 : back),
                            move.First.Row + (move.Vertical ? back : 0)};
  const char* direction =
      move.Vertical ? (move.Flipped ? "up" : "down") : (move.Flipped ? "left" : "right");
  const std::string commit = move.Flipped ? keys.Flipped + " puts the flipped word."
                                          : keys.Word + " puts it on the board.";
  return "Suggested " + move.Word + " from " + SquareNameText(first.Column, first.Row) + " " +
         direction + ". " + commit;
}

std::string SpokenDirection(bool down) {
  return down ? "Down" : "Right";
}

std::string SpokenState(const TGame& game, const TBoardCursor& cursor) {
  return SpokenLetters("Your letters", game) + " Score " + std::to_string(game.Score) +
         ". Letter changes left: " + std::to_string(std::max(game.LetterChangesCount, 0)) +
         ". Cursor on " + SquareNameText(cursor.Square.Column, cursor.Square.Row) + ", moving " +
         (cursor.Down ? "down" : "right") + ".";
}
