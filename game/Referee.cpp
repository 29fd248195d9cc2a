#include "game/Referee.h"

#include <algorithm>

#include "Libraries/Text/Text.h"
#include "game/LetterMoves.h"
#include "game/Suggestion.h"

int32_t BestScoreOnHand(TGame& game) {
  const std::optional<TWordMove> best = FindSuggestion(game);
  return best ? best->Score : -1;
}

TPlayState CheckGameEnd(TGame& game) {
  if (game.IsEnded()) {
    return game.PlayState;
  }
  TPlayState state = TPlayState::Playing;
  if (BestScoreOnHand(game) < 0) {
    state = game.LetterChangesCount > 0 ? TPlayState::StockMakesNoWord : TPlayState::Ended;
  }
  game.SetPlayState(state);
  return state;
}

void EndGame(TGame& game) {
  if (!game.IsEnded()) {
    game.SetPlayState(TPlayState::Ended);
  }
}

TPutWordResult CommitWord(TGame& game, bool flipped, const TUnknownWordRules& rules) {
  const std::string read = game.IsEnded() ? std::string() : game.ReadLooseWord();
  const std::string word = flipped ? ReverseText(read) : read;
  const bool known = !word.empty() && game.IsKnownWord(word);
  if (word.empty() || (!known && !rules.AllowUnknownWords)) {
    return game.PutWord(flipped, rules);  // no word, or refused
  }
  // Par looks at the letters on hand before they are fixed, and at the
  // words list before the word may join it.
  const TTurnFigures turn{game.WordScore(), std::max(BestScoreOnHand(game), 0),
                          game.LooseLetterList.Count(), word};
  const TPutWordResult result = game.PutWord(flipped, rules);
  if (result == TPutWordResult::Committed) {
    game.Figures.UnknownWordCommitted = game.Figures.UnknownWordCommitted || !known;
    game.Figures.Turns.push_back(turn);
    CheckGameEnd(game);
  }
  return result;
}

void ChangeOneLetter(TGame& game, int32_t slot, char chosen) {
  const int32_t changesBefore = game.LetterChangesCount;
  ReplaceStockLetter(game, slot, chosen);
  if (game.LetterChangesCount != changesBefore) {
    CheckGameEnd(game);
  }
}

bool ChangeAllLetters(TGame& game) {
  if (!NewStockLetters(game)) {
    return false;
  }
  CheckGameEnd(game);
  return true;
}
