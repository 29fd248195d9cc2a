#include "game/UndoHistory.h"

#include <algorithm>
#include <utility>

void TUndoHistory::Record(TUndoStep step) {
  Steps.resize(Cursor);
  Steps.push_back(std::move(step));
  Cursor = Steps.size();
}

const TUndoStep* TUndoHistory::Undo() {
  if (!CanUndo()) {
    return nullptr;
  }
  return &Steps[--Cursor];
}

const TUndoStep* TUndoHistory::Redo() {
  if (!CanRedo()) {
    return nullptr;
  }
  return &Steps[Cursor++];
}

void TUndoHistory::Clear() {
  Steps.clear();
  Cursor = 0;
}

const TUndoStep* UndoMove(TGame& game, IGameDisplay& display, TUndoHistory& history) {
  const TUndoStep* step = history.Undo();
  if (step != nullptr) {
    RestoreState(game, display, step->Before);
    game.Figures.CountUndo();
  }
  return step;
}

const TUndoStep* RedoMove(TGame& game, IGameDisplay& display, TUndoHistory& history) {
  const TUndoStep* step = history.Redo();
  if (step == nullptr) {
    return nullptr;
  }
  // The turn takes its place after the turns the state before it had, so
  // that the turns match the state after it.
  std::vector<TTurnFigures>& turns = game.Figures.Turns;
  if (step->Turn) {
    turns.resize(std::min(turns.size(), static_cast<size_t>(std::max(step->Before.TurnsCount, 0))));
    turns.push_back(*step->Turn);
  }
  RestoreState(game, display, step->After);
  return step;
}
