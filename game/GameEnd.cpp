#include "game/GameEnd.h"

#include "game/Suggestion.h"

int32_t BestScoreOnHand(TGame& game) {
  const std::optional<TWordMove> best = FindSuggestion(game);
  return best ? best->Score : -1;
}

TPlayState CheckGameEnd(TGame& game, bool announce) {
  if (game.IsEnded()) {
    return game.PlayState;
  }
  TPlayState state = TPlayState::Playing;
  if (BestScoreOnHand(game) < 0) {
    state = game.LetterChangesCount > 0 ? TPlayState::StockMakesNoWord : TPlayState::Ended;
  }
  game.SetPlayState(state, announce);
  return state;
}

void EndGame(TGame& game) {
  if (!game.IsEnded()) {
    game.SetPlayState(TPlayState::Ended, true);
  }
}
