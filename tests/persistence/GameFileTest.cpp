#include "persistence/GameFile.h"

#include <gtest/gtest.h>

#include "game/GameDisplay.h"

namespace {

class GameFileTest : public ::testing::Test {
 protected:
  GameFileTest() : Game(Display) {
    Game.ColumnsCount = 10;
    Game.RowsCount = 10;
    Game.SetUpNewBoard();
  }
  TSilentGameDisplay Display;
  TGame Game;
  TStoredTextList List;
  TGameSettings Settings{10, 10, "English.gmd", true, false};
};

TEST_F(GameFileTest, UnsoundSquaresAreMadeSound) {
  std::string map = "[Map]\r\nS5=TRUE\r\n";  // loose without a letter
  for (int k = 10; k < 19; ++k) {
    map += "L" + std::to_string(k) + "=E\r\nS" + std::to_string(k) + "=TRUE\r\n";
  }
  map += "L20=EE\r\nL21=\xFF\r\n";
  List.ReadFromText(map);
  ReadGame(List, Game);
  EXPECT_EQ(Game.Board[5][0], (TBoardCell{0, 0}));
  EXPECT_EQ(Game.LooseLetterList.Count(), 7);
  EXPECT_EQ(Game.Board[6][1], (TBoardCell{'E', 1}));  // square 16: the seventh
  EXPECT_EQ(Game.Board[7][1], (TBoardCell{'E', 0}));  // the eighth stays as a fixed letter
  EXPECT_EQ(Game.Board[0][2].Letter, 0);              // two characters are no letter
  EXPECT_EQ(Game.Board[1][2].Letter, '\xFF');         // a letter outside the alphabet stays
}

TEST_F(GameFileTest, MissingOrRefusedValuesKeepTheirDefaults) {
  Game.ColumnsCount = 20;
  Game.RowsCount = 20;
  Game.Score = 5;
  List.ReadFromText("[GlyphmasonGame]\r\nScore=-1\r\n");
  ReadGame(List, Game);
  EXPECT_EQ(Game.LetterChangesCount, 20);
  EXPECT_EQ(Game.Score, 5);
  // Settings outside their limits keep the controls' values.
  List.ReadFromText(
      "[glyphmasongame]\r\nColumnsCount=31\r\nRowsCount=0x0C\r\nLastDictionaryName=../x.gmd\r\n"
      "AddToWordsList=true\r\nAllowUnknownWords=TRUE\r\n");
  TGameSettings settings = Settings;
  ReadGameSettings(List, settings);
  EXPECT_EQ(settings.ColumnsCount, 10);
  EXPECT_EQ(settings.RowsCount, 12);
  EXPECT_EQ(settings.DictionaryName, "English.gmd");
  EXPECT_FALSE(settings.AddToWordsList);
  EXPECT_TRUE(settings.AllowUnknownWords);
  // An empty last game in the options keeps the default.
  TOptions read{Settings, "/default/*.gmg", true};
  List.ReadFromText("[GlyphmasonGame]\r\nLastGameTitle=\r\n");
  ReadOptions(List, read);
  EXPECT_EQ(read.LastGameFileName, "/default/*.gmg");
  EXPECT_FALSE(read.FullScreen);
}

}  // namespace
