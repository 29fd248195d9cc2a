#include "game/GameState.h"

#include <algorithm>
#include <vector>

namespace {

bool IsStockSlot(int32_t slot) {
  return slot >= 0 && slot < kStockSlots;
}

int32_t FirstEmptySlot(const std::array<char, kStockSlots>& stock) {
  const auto empty = std::ranges::find(stock, 0);
  return empty == stock.end() ? -1 : static_cast<int32_t>(empty - stock.begin());
}

// Takes the loose letters of the state back into its stock. Letters whose
// own slot is free go first, so that no other letter takes that slot.
void TakeBackLooseLetters(const TGame& game, TGameState& state) {
  const TLooseLetterList loose = state.LooseLetterList;
  std::array<bool, kMaxLooseLetters> taken{};
  auto takeInto = [&](int32_t i, int32_t slot) {
    state.Stock[slot] = state.Board[loose[i].Column][loose[i].Row].Letter;
    taken[i] = true;
  };
  for (int32_t i = 0; i < loose.Count(); ++i) {
    const int32_t origin = game.LooseLetterSlot(loose[i]);
    if (IsStockSlot(origin) && state.Stock[origin] == 0) {
      takeInto(i, origin);
    }
  }
  for (int32_t i = 0; i < loose.Count(); ++i) {
    const int32_t slot = FirstEmptySlot(state.Stock);
    if (!taken[i] && slot >= 0) {
      takeInto(i, slot);
    }
  }
  for (int32_t i = 0; i < loose.Count(); ++i) {
    if (taken[i]) {
      state.Board[loose[i].Column][loose[i].Row] = {};
      state.LooseLetterList.Remove(loose[i]);
    }
  }
}

}  // namespace

bool operator==(const TGameState& a, const TGameState& b) {
  if (a.LooseLetterList.Count() != b.LooseLetterList.Count()) {
    return false;
  }
  for (int32_t i = 0; i < a.LooseLetterList.Count(); ++i) {
    if (a.LooseLetterList[i] != b.LooseLetterList[i]) {
      return false;
    }
  }
  return a.Board == b.Board && a.Stock == b.Stock && a.Score == b.Score &&
         a.LetterChangesCount == b.LetterChangesCount && a.PlayState == b.PlayState &&
         a.TurnsCount == b.TurnsCount && a.Random == b.Random;
}

TGameState CaptureState(const TGame& game) {
  TGameState state;
  state.Board = game.Board;
  state.LooseLetterList = game.LooseLetterList;
  for (int32_t slot = 0; slot < kStockSlots; ++slot) {
    state.Stock[slot] = game.StockLetter(slot);
  }
  state.Score = game.Score;
  state.LetterChangesCount = game.LetterChangesCount;
  state.PlayState = game.PlayState;
  state.TurnsCount = game.Figures.WordsCommitted();
  state.Random = game.Randomizer().State();
  TakeBackLooseLetters(game, state);
  return state;
}

void RestoreState(TGame& game, IGameDisplay& display, const TGameState& state) {
  const TBoard before = game.Board;
  game.ClearBoard();
  game.Board = state.Board;
  for (int32_t i = 0; i < state.LooseLetterList.Count(); ++i) {
    game.AddLooseLetter(state.LooseLetterList[i].Column, state.LooseLetterList[i].Row);
  }
  for (int32_t column = 0; column < kMaxBoardSize; ++column) {
    for (int32_t row = 0; row < kMaxBoardSize; ++row) {
      if (before[column][row] != game.Board[column][row]) {
        display.RepaintCell(column, row);
      }
    }
  }
  for (int32_t slot = 0; slot < kStockSlots; ++slot) {
    game.SetStockLetter(slot, state.Stock[slot]);
  }
  game.Score = state.Score;
  game.LetterChangesCount = state.LetterChangesCount;
  std::vector<TTurnFigures>& turns = game.Figures.Turns;
  turns.resize(std::min(turns.size(), static_cast<size_t>(std::max(state.TurnsCount, 0))));
  game.Randomizer().Restore(state.Random);
  // SetPlayState only ever takes moves away; the labels and buttons below
  // give them back to a game that was ended and is not any more.
  game.SetPlayState(state.PlayState);
  game.ShowLetterChanges();
  game.UpdatePutButtons();
  game.ShowScore(game.WordScore());
  game.GameModified = true;
}
