#include "game/SpokenText.h"

#include <gtest/gtest.h>

#include "tests/game/RecordingDisplay.h"

namespace {

// Stock K A T E S O and an empty last slot, score 40, 11 changes left.
struct SpokenTextTest : ::testing::Test, TGameScene {
  SpokenTextTest() {
    Game.ClearStock();
    const std::string letters = "KATESO";
    for (size_t slot = 0; slot < letters.size(); ++slot) {
      Game.SetStockLetter(static_cast<int32_t>(slot), letters[slot]);
    }
    Game.Score = 40;
    Game.LetterChangesCount = 11;
  }
};

TEST_F(SpokenTextTest, LettersAreSaidInSlotOrderWithEmptySlotsNamed) {
  EXPECT_EQ(SpokenLetters("Your letters", Game),
            "Your letters: 1 K, 2 A, 3 T, 4 E, 5 S, 6 O, 7 empty.");
  // A letter of the upper half of Windows-1252 is said as it is.
  Game.SetStockLetter(6, '\xC4');
  EXPECT_EQ(SpokenLetters("New letters", Game),
            "New letters: 1 K, 2 A, 3 T, 4 E, 5 S, 6 O, 7 \xC4.");
}

TEST_F(SpokenTextTest, EachEventOfATurnHasItsSentence) {
  EXPECT_EQ(SpokenLetterPut('K', {7, 7}), "K on H8");
  EXPECT_EQ(SpokenCommit("CAT", 12, Game),
            "CAT for 12 points. Score 40. New letters: 1 K, 2 A, 3 T, 4 E, 5 S, 6 O, 7 empty.");
  EXPECT_EQ(SpokenCommit("AT", 1, Game).substr(0, 17), "AT for 1 point. S");
  EXPECT_EQ(SpokenDirection(false), "Right");
  EXPECT_EQ(SpokenDirection(true), "Down");
  Game.LetterChangesCount = -2;  // a damaged count is never said below 0
  EXPECT_EQ(SpokenState(Game, {{7, 9}, true}),
            "Your letters: 1 K, 2 A, 3 T, 4 E, 5 S, 6 O, 7 empty. Score 40. Letter changes "
            "left: 0. Cursor on H10, moving down.");
}

TEST(SpokenSuggestion, NamesTheFirstLetterTheDirectionAndTheCommittingKey) {
  struct TCase {
    bool Vertical, Flipped;
    const char* Expected;
  };
  const TCase cases[] = {
      {false, false, "Suggested CAT from H8 right. Enter puts it on the board."},
      {true, false, "Suggested CAT from H8 down. Enter puts it on the board."},
      {false, true, "Suggested CAT from J8 left. Shift+Enter puts the flipped word."},
      {true, true, "Suggested CAT from H10 up. Shift+Enter puts the flipped word."},
  };
  for (const TCase& c : cases) {
    TWordMove move;
    move.Word = "CAT";
    move.First = {7, 7};
    move.Vertical = c.Vertical;
    move.Flipped = c.Flipped;
    EXPECT_EQ(SpokenSuggestion(move), c.Expected);
  }
  TWordMove flipped;
  flipped.Word = "CAT";
  flipped.First = {7, 7};
  flipped.Flipped = true;
  EXPECT_EQ(SpokenSuggestion(flipped, {"Shift+Enter", "Enter"}),
            "Suggested CAT from J8 left. Enter puts the flipped word.");
}

}  // namespace
