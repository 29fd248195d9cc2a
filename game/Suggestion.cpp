#include "game/Suggestion.h"

#include "game/LetterMoves.h"

namespace {

// The stock slot that holds the letter; -1 when none does.
int32_t StockSlotHolding(const TGame& game, char letter) {
  for (int32_t slot = 0; slot < kStockSlots; ++slot) {
    if (game.StockLetter(slot) == letter) {
      return slot;
    }
  }
  return -1;
}

}  // namespace

std::optional<TWordMove> FindSuggestion(TGame& game) {
  std::string hand;
  for (int32_t slot = 0; slot < kStockSlots; ++slot) {
    if (game.StockLetter(slot) != 0) {
      hand.push_back(game.StockLetter(slot));
    }
  }
  for (int32_t i = 0; i < game.LooseLetterList.Count(); ++i) {
    const TCellPosition loose = game.LooseLetterList[i];
    hand.push_back(game.Board[loose.Column][loose.Row].Letter);
  }
  if (hand.size() > static_cast<size_t>(kStockSlots)) {
    return std::nullopt;
  }
  const TMovePosition position{game.Board, game.ColumnsCount, game.RowsCount, hand, game.Letters};
  std::vector<TWordMove> best = game.WordFinder.BestMoves(game.WordsListLines, position, 1);
  if (best.empty()) {
    return std::nullopt;
  }
  return std::move(best.front());
}

void PlaceSuggestion(TGame& game, IGameDisplay& display, const TWordMove& move) {
  for (int32_t i = game.LooseLetterList.Count() - 1; i >= 0; --i) {
    TakeBackLooseLetter(game, game.LooseLetterList[i]);
  }
  for (const TPlacedLetter& placed : move.Placed) {
    const int32_t slot = StockSlotHolding(game, placed.Letter);
    if (StartStockDrag(game, slot)) {
      DropOnBoard(game, display, {false, slot}, placed.Square);
    }
  }
  display.SetValidWordLabel(SuggestionText(move));
}

std::string SuggestionText(const TWordMove& move) {
  return "Suggested \"" + move.Word + "\": click \"" +
         (move.Flipped ? "Put flipped word" : "Put word on board") + "\"";
}
