#pragma once
// The moves of a game that can be taken back and made again: every commit,
// letter change and "New stock letters", each kept as the game's state
// before and after it. A game holds at most kMaxTurns commits and 45 letter
// changes, so the history stays a few megabytes at most.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "game/Game.h"
#include "game/GameDisplay.h"
#include "game/GameFigures.h"
#include "game/GameState.h"

struct TUndoStep {
  TGameState Before;
  TGameState After;
  // The turn a commit added to the figures; none for a letter change.
  std::optional<TTurnFigures> Turn;
  // The word a commit added to the words list; empty when it added none.
  std::string AddedWord;
};

class TUndoHistory {
 public:
  // Appends a move just made; the moves undone before it can no longer be redone.
  void Record(TUndoStep step);
  bool CanUndo() const { return Cursor > 0; }
  bool CanRedo() const { return Cursor < Steps.size(); }
  // The step to take back, now counted as undone; nullptr when there is none.
  const TUndoStep* Undo();
  // The step to make again, now counted as done; nullptr when there is none.
  const TUndoStep* Redo();
  // Forgets every step (a new or loaded game).
  void Clear();

 private:
  std::vector<TUndoStep> Steps;
  // The number of steps done; those after it are undone.
  size_t Cursor = 0;
};

// Takes the last move back: the game gets the state before it and counts
// one more undo. Returns the step, whose AddedWord the caller takes out of
// the words list; nullptr (nothing changes) when no move is left to undo.
const TUndoStep* UndoMove(TGame& game, IGameDisplay& display, TUndoHistory& history);
// Makes the next undone move again: the game gets the state after it and
// its turn back in the figures. Returns the step, whose AddedWord the caller
// puts back into the words list; nullptr (nothing changes) when none is undone.
const TUndoStep* RedoMove(TGame& game, IGameDisplay& display, TUndoHistory& history);
