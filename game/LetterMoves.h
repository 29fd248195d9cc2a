#pragma once
// What the player's mouse does to the game: letters dragged from the stock
// to the board and back, stock letters swapped, loose letters moved on the
// board or taken back, a stock letter replaced by a chosen one, and the
// whole stock redrawn. Only stock letters and loose letters ever move.
//
// An ended game takes no move: every start, drop and change is refused.
// The referee (game/Referee) checks the game's end after each change.
//
// The window asks these functions whether a drag may start and whether a
// control under the pointer accepts it, and calls them on the drop.

#include <cstdint>

#include "game/Game.h"

// Where a drag began: a stock slot 0..6, or the board (the square is the
// game's DragOrigin).
struct TDragSource {
  bool FromBoard = false;
  int32_t StockSlot = -1;
};

// A left press on a stock slot: true (and a drag from the stock begins) when
// the slot holds a letter.
bool StartStockDrag(TGame& game, int32_t slot);
// A left press on a square: true (a drag from the board begins) only on a
// loose letter. DragOrigin becomes the square, or (-1, -1) when no drag begins.
bool StartBoardDrag(TGame& game, TCellPosition square);

// A stock slot accepts another stock slot's letter, and a board letter when
// it is empty; never its own letter.
bool StockAcceptsDrop(const TGame& game, TDragSource source, int32_t targetSlot);
// Stock letters change places (a letter dropped on an empty slot moves
// there); a board letter goes back to the slot and its square is emptied.
// Neither marks the game modified.
void DropOnStock(TGame& game, TDragSource source, int32_t targetSlot);

// A square accepts a drop when it is empty, on the current board, and not
// the square the drag began on.
bool BoardAcceptsDrop(const TGame& game, TDragSource source, TCellPosition square);
// The letter becomes a loose letter on the square (a stock slot is emptied,
// a loose letter leaves its old square); the game is modified. Both squares
// are repainted on the display.
void DropOnBoard(TGame& game, IGameDisplay& display, TDragSource source, TCellPosition square);

// A right click on a square: a loose letter goes back to the first empty
// stock slot. False when the square holds no loose letter or the stock is full.
bool TakeBackLooseLetter(TGame& game, TCellPosition square);
// The keyboard's taking back: as TakeBackLooseLetter, but the letter goes to
// the slot it came from while that slot is empty.
bool ReturnLooseLetter(TGame& game, TCellPosition square);

// Whether a right click on the stock slot may offer a replacement letter:
// a letter change is left and the slot holds a letter.
bool CanReplaceStockLetter(const TGame& game, int32_t slot);
// Puts the chosen letter into the slot at the cost of one letter change
// (also when it is the letter already there). A chosen 0 changes nothing.
void ReplaceStockLetter(TGame& game, int32_t slot, char chosen);

// "New stock letters": while a change is left, the loose letters are thrown
// away, all seven slots are drawn anew and one change is used. False (and
// nothing changes) without changes left.
bool NewStockLetters(TGame& game);
