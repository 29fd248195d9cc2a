#include "game/LetterMoves.h"


namespace {

bool IsOnCurrentBoard(const TGame& game, TCellPosition square) {
  return square.Column >= 0 && square.Column < game.ColumnsCount && square.Row >= 0 &&
         square.Row < game.RowsCount && IsInBoardArray(square.Column, square.Row);
}

bool IsValidSlot(int32_t slot) { return slot >= 0 && slot < kStockSlots; }

const TBoardCell* CellAt(const TGame& game, TCellPosition square) {
  return IsInBoardArray(square.Column, square.Row) ? &game.Board[square.Column][square.Row]
                                                   : nullptr;
}

// The square a board drag began on, when it still holds a loose letter.
bool HasLooseOrigin(const TGame& game) {
  const TBoardCell* origin = CellAt(game, game.DragOrigin);
  return origin != nullptr && origin->IsLooseLetter();
}

}  // namespace

bool StartStockDrag(TGame& game, int32_t slot) {
  if (game.IsEnded() || game.StockLetter(slot) == 0) {
    return false;
  }
  game.DragOrigin = {-1, -1};
  return true;
}

bool StartBoardDrag(TGame& game, TCellPosition square) {
  const TBoardCell* cell = CellAt(game, square);
  if (!game.IsEnded() && cell != nullptr && IsOnCurrentBoard(game, square) &&
      cell->IsLooseLetter()) {
    game.DragOrigin = square;
    return true;
  }
  game.DragOrigin = {-1, -1};
  return false;
}

bool StockAcceptsDrop(const TGame& game, TDragSource source, int32_t targetSlot) {
  if (game.IsEnded() || !IsValidSlot(targetSlot)) {
    return false;
  }
  if (source.FromBoard) {
    return game.StockLetter(targetSlot) == 0 && HasLooseOrigin(game);
  }
  return IsValidSlot(source.StockSlot) && source.StockSlot != targetSlot;
}

void DropOnStock(TGame& game, TDragSource source, int32_t targetSlot) {
  if (!StockAcceptsDrop(game, source, targetSlot)) {
    return;
  }
  if (source.FromBoard) {
    const TCellPosition origin = game.DragOrigin;
    game.SetStockLetter(targetSlot, game.Board[origin.Column][origin.Row].Letter);
    game.RemoveLooseLetter(origin.Column, origin.Row);
    game.UpdatePutButtons();
    game.ShowScore(game.WordScore());
    return;
  }
  const char moved = game.StockLetter(source.StockSlot);
  game.SetStockLetter(source.StockSlot, game.StockLetter(targetSlot));
  game.SetStockLetter(targetSlot, moved);
}

bool BoardAcceptsDrop(const TGame& game, TDragSource source, TCellPosition square) {
  if (game.IsEnded() || !IsOnCurrentBoard(game, square) || square == game.DragOrigin) {
    return false;
  }
  if (!game.Board[square.Column][square.Row].IsEmpty()) {
    return false;
  }
  return source.FromBoard ? HasLooseOrigin(game) : game.StockLetter(source.StockSlot) != 0;
}

void DropOnBoard(TGame& game, IGameDisplay& display, TDragSource source, TCellPosition square) {
  if (!BoardAcceptsDrop(game, source, square)) {
    return;
  }
  TBoardCell& target = game.Board[square.Column][square.Row];
  if (source.FromBoard) {
    const TCellPosition origin = game.DragOrigin;
    target = {game.Board[origin.Column][origin.Row].Letter, 1};
    game.Board[origin.Column][origin.Row] = {};
    game.MoveLooseLetter(origin.Column, origin.Row, square.Column, square.Row);
    display.RepaintCell(origin.Column, origin.Row);
  } else {
    target = {game.StockLetter(source.StockSlot), 1};
    game.AddLooseLetter(square.Column, square.Row, source.StockSlot);
    game.SetStockLetter(source.StockSlot, 0);
    game.ShowScore(game.WordScore());
  }
  game.GameModified = true;
  game.UpdatePutButtons();
  display.RepaintCell(square.Column, square.Row);
}

namespace {

// Puts the loose letter on the square back into the slot; false (nothing
// changes) for a square without a loose letter or no slot.
bool TakeBackInto(TGame& game, TCellPosition square, int32_t slot) {
  const TBoardCell* cell = CellAt(game, square);
  if (game.IsEnded() || cell == nullptr || !cell->IsLooseLetter() || slot < 0) {
    return false;
  }
  game.SetStockLetter(slot, cell->Letter);
  game.RemoveLooseLetter(square.Column, square.Row);
  game.GameModified = true;
  game.UpdatePutButtons();
  game.ShowScore(game.WordScore());
  return true;
}

}  // namespace

bool TakeBackLooseLetter(TGame& game, TCellPosition square) {
  return TakeBackInto(game, square, game.FirstEmptyStockSlot());
}

bool ReturnLooseLetter(TGame& game, TCellPosition square) {
  const int32_t origin = game.LooseLetterSlot(square);
  const bool originFree = IsValidSlot(origin) && game.StockLetter(origin) == 0;
  return TakeBackInto(game, square, originFree ? origin : game.FirstEmptyStockSlot());
}

bool CanReplaceStockLetter(const TGame& game, int32_t slot) {
  return !game.IsEnded() && game.LetterChangesCount > 0 && game.StockLetter(slot) != 0;
}

void ReplaceStockLetter(TGame& game, int32_t slot, char chosen) {
  if (chosen == 0 || !CanReplaceStockLetter(game, slot)) {
    return;
  }
  game.GameModified = true;
  game.SetStockLetter(slot, chosen);
  --game.LetterChangesCount;
  game.ShowLetterChanges();
}

bool NewStockLetters(TGame& game) {
  if (game.IsEnded() || game.LetterChangesCount <= 0) {
    return false;
  }
  for (int32_t i = game.LooseLetterList.Count() - 1; i >= 0; --i) {
    const TCellPosition loose = game.LooseLetterList[i];
    game.RemoveLooseLetter(loose.Column, loose.Row);
  }
  game.ClearStock();
  game.FillStock();
  game.LooseLetterList.Clear();
  --game.LetterChangesCount;
  game.ShowLetterChanges();
  game.ShowScore(0);
  return true;
}
