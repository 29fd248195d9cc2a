#pragma once
// The game as it stands between moves, as an undo puts it back: the board,
// the stock, the counters, the play state, how many turns the figures hold,
// and where the letter drawing stands. The words list is not part of it, nor
// the turns themselves, nor the suggestions and undos counted.

#include <array>
#include <cstdint>

#include "game/Board.h"
#include "game/Game.h"
#include "game/GameDisplay.h"
#include "game/MyRandom.h"

struct TGameState {
  TBoard Board{};
  TLooseLetterList LooseLetterList;
  std::array<char, kStockSlots> Stock{};
  int32_t Score = 0;
  int32_t LetterChangesCount = 0;
  TPlayState PlayState = TPlayState::Playing;
  // The number of turns in the game's figures.
  int32_t TurnsCount = 0;
  TRandomState Random;
  // Loose letters compare by their positions in list order.
  friend bool operator==(const TGameState& a, const TGameState& b);
};

// The game's state with its loose letters taken back: each goes to the stock
// slot it came from while that slot is empty, else to the first empty slot.
// Only a letter no slot is left for (a loaded game's full stock) stays loose.
TGameState CaptureState(const TGame& game);

// Puts the state into the game and shows it: the squares that change are
// repainted, the stock, score, letter changes, commit buttons and play
// state are shown, and an ended game brought back to play takes moves
// again. The figures' turns are cut to the state's
// count (never lengthened); the suggestions and undos counted are left
// alone. The game is modified.
void RestoreState(TGame& game, IGameDisplay& display, const TGameState& state);
