#include "game/Board.h"

bool TLooseLetterList::Add(TCellPosition position) {
  if (Size >= kMaxLooseLetters) {
    return false;
  }
  Positions[Size++] = position;
  return true;
}

bool TLooseLetterList::Remove(TCellPosition position) {
  for (int32_t i = 0; i < Size; ++i) {
    if (Positions[i] == position) {
      Positions[i] = Positions[Size - 1];
      --Size;
      return true;
    }
  }
  return false;
}

void TLooseLetterList::Move(TCellPosition from, TCellPosition to) {
  for (int32_t i = 0; i < Size; ++i) {
    if (Positions[i] == from) {
      Positions[i] = to;
    }
  }
}
