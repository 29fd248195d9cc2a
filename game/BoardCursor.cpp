#include "game/BoardCursor.h"

#include <algorithm>

#include "game/LetterMoves.h"

TBoardCursor TBoardCursor::Centre(int32_t columns, int32_t rows) {
  return {{columns / 2, rows / 2}, false};
}

void TBoardCursor::Move(int32_t columnStep, int32_t rowStep, int32_t columns, int32_t rows) {
  Square.Column += columnStep;
  Square.Row += rowStep;
  KeepInside(columns, rows);
}

void TBoardCursor::KeepInside(int32_t columns, int32_t rows) {
  Square.Column = std::clamp(Square.Column, 0, std::clamp(columns, 1, kMaxBoardSize) - 1);
  Square.Row = std::clamp(Square.Row, 0, std::clamp(rows, 1, kMaxBoardSize) - 1);
}

void TBoardCursor::Advance(const TBoard& board, int32_t columns, int32_t rows) {
  KeepInside(columns, rows);
  TCellPosition next = Square;
  int32_t& along = Down ? next.Row : next.Column;
  const int32_t end = Down ? std::min(rows, kMaxBoardSize) : std::min(columns, kMaxBoardSize);
  for (++along; along < end; ++along) {
    if (board[next.Column][next.Row].IsEmpty()) {
      Square = next;
      return;
    }
  }
}

bool TBoardCursor::StepBack() {
  int32_t& along = Down ? Square.Row : Square.Column;
  if (along == 0) {
    return false;
  }
  --along;
  return true;
}

bool PutStockLetterAt(TGame& game, IGameDisplay& display, int32_t slot, TCellPosition square) {
  if (!StartStockDrag(game, slot) || !BoardAcceptsDrop(game, {false, slot}, square)) {
    return false;
  }
  DropOnBoard(game, display, {false, slot}, square);
  return true;
}

bool TakeBackBehindCursor(TGame& game, TBoardCursor& cursor) {
  const TCellPosition square = cursor.Square;
  if (IsInBoardArray(square.Column, square.Row) &&
      game.Board[square.Column][square.Row].IsLooseLetter()) {
    return ReturnLooseLetter(game, square);
  }
  return cursor.StepBack() && ReturnLooseLetter(game, cursor.Square);
}
