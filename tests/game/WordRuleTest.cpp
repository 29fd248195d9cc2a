#include <gtest/gtest.h>

#include "game/WordRule.h"
#include "tests/game/RecordingDisplay.h"

// Each scene's word, or the first rule broken: the reason shown beside the
// disabled buttons. A reading without a problem is exactly a word. A first
// word alone and a lone S after a word are every golden game's.
TEST(OneWordRule, ReadsExactlyOneWordThroughTheLooseLettersOrNamesWhyNot) {
  using enum TWordProblem;
  const struct {
    const char* Scene;
    std::vector<std::string> Rows;
    std::string Word;
    TWordProblem Problem;
  } cases[] = {
      {"nothing loose", {"CAT"}, "", NoLooseLetters},
      {"later word away from fixed letters", {"CAT", "", "    at"}, "", NotThroughFixedLetter},
      {"lone G below D, O", {" D", " O", " g"}, "DOG", None},
      {"lone letter between two", {"CaT"}, "", LetterBetweenLetters},
      {"lone letter touching nothing", {"CAT", "", "    a"}, "", LoneLetter},
      {"lone letter touching above and beside", {"  X", "CAt"}, "", LetterBetweenLetters},
      {"fixed letter fills the gap", {"cAt"}, "CAT", None},
      {"empty square between loose letters", {"c t"}, "", Gap},
      {"neither one row nor one column", {"a", " t"}, "", NotInOneLine},
      {"row word with a letter above", {" T", "on", "G"}, "", TouchesAcross},
      {"column word with a letter beside", {"s", "uX", "n"}, "", TouchesAcross},
      {"column extends over fixed letters both ways",
       {"S", "t", "o", "r", "R", "E"},
       "STORRE",
       None},
      {"word against the last column", {AtRightEdge("CAts")}, "CATS", None},
      {"lone letter in the last column", {AtRightEdge("ATe")}, "ATE", None},
      {"word in the bottom rows",
       {"", "", "", "", "", "", "", "", "", "", "", "", "",  "",  "",
        "", "", "", "", "", "", "", "", "", "", "", "", "s", "e", "a"},
       "SEA",
       None},
  };
  for (const auto& c : cases) {
    TGameScene scene(30);
    scene.Picture(c.Rows);
    EXPECT_EQ(scene.Game.ReadLooseWord(), c.Word) << c.Scene;
    const TLooseWordReading reading =
        ReadLooseWordWithProblem(scene.Game.Board, scene.Game.LooseLetterList,
                                 scene.Game.ColumnsCount, scene.Game.RowsCount);
    EXPECT_EQ(reading.Problem, c.Problem) << c.Scene;
    EXPECT_EQ(reading.Word, c.Word) << c.Scene;
    EXPECT_EQ(std::string(WordProblemText(c.Problem)).empty(),
              c.Problem == None || c.Problem == NoLooseLetters)
        << c.Scene;
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

TEST(EnterReading, OnlyAFlippedWordOfTheListIsCommittedFlipped) {
  const struct {
    const char* Scene;
    const char* Loose;
    bool Flipped;
  } cases[] = {
      {"only the flipped reading is known", "tac", true},
      {"only the plain reading is known", "cat", false},
      {"both readings are known", "pup", false},
      {"neither reading is known", "xqz", false},
      {"no word at all", "c a", false},
  };
  for (const auto& c : cases) {
    TGameScene scene(15);
    scene.Game.WordsListLines.ReadWordsListText("CAT\r\nPUP\r\n");
    scene.Picture({c.Loose});
    EXPECT_EQ(scene.Game.OnlyFlippedReadingIsKnown(), c.Flipped) << c.Scene;
  }
}
