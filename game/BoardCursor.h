#pragma once
// The square where the keyboard puts letters, with the direction it moves
// on in after each letter: right along a row or down a column.

#include <cstdint>

#include "game/Board.h"
#include "game/Game.h"

struct TBoardCursor {
  TCellPosition Square{0, 0};
  bool Down = false;  // false: moves right after a letter

  // The middle square of a board (column columns / 2, row rows / 2), moving right.
  static TBoardCursor Centre(int32_t columns, int32_t rows);
  // Moves by the given steps, stopping at the edges of the columns x rows board.
  void Move(int32_t columnStep, int32_t rowStep, int32_t columns, int32_t rows);
  // Brings the square back onto a board that has shrunk.
  void KeepInside(int32_t columns, int32_t rows);
  void TurnDirection() { Down = !Down; }
  // Moves on in the direction to the next square that holds no letter; stays
  // where it is when every square up to the board's edge holds one.
  void Advance(const TBoard& board, int32_t columns, int32_t rows);
  // One square back against the direction; false (and no move) at the edge.
  bool StepBack();
};

// Puts the letter of the stock slot on the square as a loose letter, as a
// drag from that slot onto it does. False (nothing changes) for an empty
// slot or a square that is occupied or off the current board.
bool PutStockLetterAt(TGame& game, IGameDisplay& display, int32_t slot, TCellPosition square);

// The keyboard's Backspace: the loose letter under the cursor goes back to
// the stock (into its own slot while that is empty, see ReturnLooseLetter); on a square without one the cursor steps back one square and
// takes that square's loose letter back. False when nothing was taken back
// (the cursor may still have stepped back).
bool TakeBackBehindCursor(TGame& game, TBoardCursor& cursor);
