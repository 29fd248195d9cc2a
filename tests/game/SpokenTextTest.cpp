#include "game/SpokenText.h"

#include <gtest/gtest.h>

#include "tests/game/RecordingDisplay.h"

namespace {

TEST(SpokenText, ACommitAndTheStateNameEverySlotInOrder) {
  TGameScene scene;
  scene.Stock("KATESO").Game.Score = 40;
  scene.Game.LetterChangesCount = -2;  // a damaged count is never said below 0
  EXPECT_EQ(SpokenCommit("AT", 1, scene.Game),
            "AT for 1 point. Score 40. New letters: 1 K, 2 A, 3 T, 4 E, 5 S, 6 O, 7 empty.");
  EXPECT_EQ(SpokenState(scene.Game, {{7, 9}, true}),
            "Your letters: 1 K, 2 A, 3 T, 4 E, 5 S, 6 O, 7 empty. Score 40. Letter changes "
            "left: 0. Cursor on H10, moving down.");
}

TEST(SpokenSuggestion, ReadsFromTheWordsFirstLetterAndNamesTheKeyThatPutsIt) {
  const struct {
    bool Flipped, Vertical;
    TCommitKeys Keys;
    const char* Expected;
  } cases[] = {
      {false, false, {}, "Suggested CAT from H8 right. Enter puts it on the board."},
      {false, true, {}, "Suggested CAT from H8 down. Enter puts it on the board."},
      {true, false, {}, "Suggested CAT from J8 left. Shift+Enter puts the flipped word."},
      {true, true, {}, "Suggested CAT from H10 up. Shift+Enter puts the flipped word."},
      {true,
       false,
       {"Shift+Enter", "Enter"},
       "Suggested CAT from J8 left. Enter puts the flipped word."},
  };
  for (const auto& c : cases) {
    const TWordMove move{
        .Placed = {}, .Word = "CAT", .Flipped = c.Flipped, .Vertical = c.Vertical, .First = {7, 7}};
    EXPECT_EQ(SpokenSuggestion(move, c.Keys), c.Expected);
  }
}

}  // namespace
