#include "game/GameFigures.h"

#include <gtest/gtest.h>

// Figures read from a hostile file, or none at all, stay between 0 and the
// int32 limit; suggestions stop being counted at theirs.
TEST(GameFiguresLimits, NoFigureWrapsOrGoesNegative) {
  TGameFigures figures;
  EXPECT_EQ(figures.AccuracyPercent(), 0);
  EXPECT_EQ(figures.BestTurn(), nullptr);
  figures.Turns = {{INT32_MAX, 1, INT32_MAX, "A"}, {INT32_MAX, 1, INT32_MAX, "B"}};
  EXPECT_EQ(figures.LettersPlaced(), INT32_MAX);
  EXPECT_EQ(figures.AccuracyPercent(), INT32_MAX);
  EXPECT_EQ(figures.AverageScoreTenths(), INT32_MAX);
  figures.Turns = {{-5, -3, -1, "A"}, {4, 8, 2, "AB"}};
  EXPECT_EQ(figures.TurnsScore(), 4);
  EXPECT_EQ(figures.AccuracyPercent(), 50);
  figures.Turns = {{0, 0, 1, "A"}, {7, 0, 2, "XY"}};  // XY: a word the list did not know
  EXPECT_EQ(figures.AccuracyPercent(), 100);          // without any par: full accuracy
  figures.SuggestionsUsed = kMaxSuggestionsUsed;
  figures.CountSuggestion();
  EXPECT_EQ(figures.SuggestionsUsed, kMaxSuggestionsUsed);
  figures.SuggestionsUsed = INT32_MAX;  // whatever came before, one more never runs over
  figures.CountSuggestion();
  EXPECT_EQ(figures.SuggestionsUsed, kMaxSuggestionsUsed);
}
