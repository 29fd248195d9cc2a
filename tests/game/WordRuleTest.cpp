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

namespace {

struct TProblemCase {
  const char* Scene;
  std::vector<std::string> Rows;
  TWordProblem Problem;
};

}  // namespace

// The reason shown beside the disabled buttons names the first rule broken,
// and a reading without a problem is exactly a word.
TEST(OneWordRule, NamesWhyTheLooseLettersMakeNoWord) {
  const std::vector<TProblemCase> cases = {
      {"nothing loose", {"CAT"}, TWordProblem::NoLooseLetters},
      {"first word", {"", " at"}, TWordProblem::None},
      {"later word away from fixed letters",
       {"CAT", "", "    at"},
       TWordProblem::NotThroughFixedLetter},
      {"lone letter between two", {"CaT"}, TWordProblem::LetterBetweenLetters},
      {"lone letter touching nothing", {"CAT", "", "    a"}, TWordProblem::LoneLetter},
      {"empty square between loose letters", {"c t"}, TWordProblem::Gap},
      {"neither one row nor one column", {"a", " t"}, TWordProblem::NotInOneLine},
      {"row word with a letter above", {" T", "on", "G"}, TWordProblem::TouchesAcross},
  };
  for (const TProblemCase& c : cases) {
    TGameScene scene(15);
    scene.Picture(c.Rows);
    const TLooseWordReading reading =
        ReadLooseWordWithProblem(scene.Game.Board, scene.Game.LooseLetterList,
                                 scene.Game.ColumnsCount, scene.Game.RowsCount);
    EXPECT_EQ(reading.Problem, c.Problem) << c.Scene;
    EXPECT_EQ(reading.Word.empty(), c.Problem != TWordProblem::None) << c.Scene;
    EXPECT_EQ(std::string(WordProblemText(c.Problem)).empty(),
              c.Problem == TWordProblem::None || c.Problem == TWordProblem::NoLooseLetters)
        << c.Scene;
  }
}

TEST(EnterReading, OnlyAFlippedWordOfTheListIsCommittedFlipped) {
  struct TReadingCase {
    const char* Scene;
    const char* Loose;
    bool Flipped;
  };
  const std::vector<TReadingCase> cases = {
      {"only the flipped reading is known", "tac", true},
      {"only the plain reading is known", "cat", false},
      {"both readings are known", "pup", false},
      {"neither reading is known", "xqz", false},
      {"no word at all", "c a", false},
  };
  for (const TReadingCase& c : cases) {
    TGameScene scene(15);
    scene.Game.WordsListLines.ReadWordsListText("CAT\r\nPUP\r\n");
    scene.Picture({c.Loose});
    EXPECT_EQ(scene.Game.OnlyFlippedReadingIsKnown(), c.Flipped) << c.Scene;
  }
}
