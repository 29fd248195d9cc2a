#pragma once
// The squares of the board and the list of loose letters, the letters placed
// in the current turn and not yet committed.

#include <array>
#include <cstdint>

// The board array always has room for the largest board; squares outside the
// current board stay empty.
inline constexpr int32_t kMaxBoardSize = 30;
inline constexpr int32_t kMinBoardSize = 10;
inline constexpr int32_t kDefaultBoardSize = 15;
inline constexpr int32_t kMaxLooseLetters = 7;

// One square: empty (Letter 0), fixed (IsLoose 0) or loose (IsLoose 1).
struct TBoardCell {
  char Letter = 0;
  uint8_t IsLoose = 0;

  bool IsEmpty() const { return Letter == 0; }
  bool IsLooseLetter() const { return Letter != 0 && IsLoose != 0; }
  bool IsFixedLetter() const { return Letter != 0 && IsLoose == 0; }
  friend bool operator==(const TBoardCell&, const TBoardCell&) = default;
};

// Column first; (-1, -1) stands for no square.
struct TCellPosition {
  int32_t Column = -1;
  int32_t Row = -1;
  friend bool operator==(const TCellPosition&, const TCellPosition&) = default;
};

inline bool IsInBoardArray(int32_t column, int32_t row) {
  return column >= 0 && column < kMaxBoardSize && row >= 0 && row < kMaxBoardSize;
}

// Indexed [column][row].
using TBoard = std::array<std::array<TBoardCell, kMaxBoardSize>, kMaxBoardSize>;

// The positions of the loose squares, at most seven, in no particular order.
class TLooseLetterList {
 public:
  int32_t Count() const { return Size; }
  const TCellPosition& operator[](int32_t index) const { return Positions[index]; }

  // Appends the position; false (and nothing changes) when the list is full.
  bool Add(TCellPosition position);
  // Removes the entry equal to the position: the last entry takes its place.
  // False when no entry matches.
  bool Remove(TCellPosition position);
  // Every entry equal to `from` becomes `to`.
  void Move(TCellPosition from, TCellPosition to);
  void Clear() { Size = 0; }

 private:
  int32_t Size = 0;
  std::array<TCellPosition, kMaxLooseLetters> Positions{};
};
