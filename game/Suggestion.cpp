#include "game/Suggestion.h"

#include "Libraries/Text/Translation.h"
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

// The letters on hand: the stock's and the loose letters', which a move
// takes back before it is laid.
std::string LettersOnHand(const TGame& game) {
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
  return hand;
}

// True when the hand holds every letter of the move, each as often as the
// move lays it.
bool HandHoldsMove(std::string hand, const TWordMove& move) {
  for (const TPlacedLetter& placed : move.Placed) {
    const size_t at = hand.find(placed.Letter);
    if (placed.Letter == 0 || at == std::string::npos) {
      return false;
    }
    hand.erase(at, 1);
  }
  return true;
}

}  // namespace

std::optional<TWordMove> FindSuggestion(TGame& game) {
  const std::string hand = LettersOnHand(game);
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
  // Half a word is never laid under the label of the whole one.
  if (!HandHoldsMove(LettersOnHand(game), move)) {
    return;
  }
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
  if (move.Flipped) {
    //: Label, 290 px wide: %1 is the suggested word; "Put flipped word" is a button's caption
    return FilledIn(Translated("Suggestion", "Suggested \"%1\": click \"Put flipped word\""),
                    {move.Word});
  }
  //: Label, 290 px wide: %1 is the suggested word; "Put word on board" is a button's caption
  return FilledIn(Translated("Suggestion", "Suggested \"%1\": click \"Put word on board\""),
                  {move.Word});
}
