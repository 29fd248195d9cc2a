#include <gtest/gtest.h>

#include "game/WordRule.h"
#include "tests/game/RecordingDisplay.h"

namespace {

struct TWordCase {
  const char* Scene;
  std::vector<std::string> Rows;
  std::string Word;
};

}  // namespace

TEST(OneWordRule, ReadsExactlyOneWordThroughTheLooseLetters) {
  const std::vector<TWordCase> cases = {
      {"nothing loose", {"CAT"}, ""},
      {"first word stands alone", {"", " at"}, "AT"},
      {"later word away from fixed letters", {"CAT", "", "    at"}, ""},
      {"lone S right of CAT", {" CATs"}, "CATS"},
      {"lone G below D, O", {" D", " O", " g"}, "DOG"},
      {"lone letter between two", {"CaT"}, ""},
      {"lone letter touching nothing", {"CAT", "", "    a"}, ""},
      {"lone letter touching above and beside", {"  X", "CAt"}, ""},
      {"fixed letter fills the gap", {"cAt"}, "CAT"},
      {"empty square between loose letters", {"c t"}, ""},
      {"neither one row nor one column", {"a", " t"}, ""},
      {"row word with a letter above", {" T", "on", "G"}, ""},
      {"column word with a letter beside", {"s", "uX", "n"}, ""},
      {"column extends over fixed letters both ways", {"S", "t", "o", "r", "R", "E"}, "STORRE"},
      {"word against the last column", {AtRightEdge("CAts")}, "CATS"},
      {"lone letter in the last column", {AtRightEdge("ATe")}, "ATE"},
      {"word in the bottom rows", {"", "", "", "", "", "", "", "", "", "", "", "", "", "", "",
                                   "", "", "", "", "", "", "", "", "", "", "", "", "s", "e", "a"},
       "SEA"},
  };
  for (const TWordCase& c : cases) {
    TGameScene scene(30);
    scene.Picture(c.Rows);
    EXPECT_EQ(scene.Game.ReadLooseWord(), c.Word) << c.Scene;
  }
}

TEST(OneWordRule, OnlyFixedLettersOfTheCurrentBoardBlockAFirstWord) {
  TGameScene scene(10);
  scene.Game.Board[12][12] = {'X', 0};  // outside the 10 x 10 board
  scene.Picture({"", " at"});
  EXPECT_EQ(scene.Game.ReadLooseWord(), "AT");
}

// A lone letter is no word (the golden games lay one); nor are more loose
// letters than a stock holds, which only an edited game file can give.
TEST(PutButtons, NoWordOfOneLetterOrOverSevenLoose) {
  EXPECT_FALSE(CanPutWord("ATTEMPTED", 8));
}
