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

TEST_F(GameFileTest, WrittenGameListsSettingsCountersStockThenSquaresRowByRow) {
  Game.Score = 42;
  Game.LetterChangesCount = 3;
  Game.SetStockLetter(0, 'Q');
  Game.SetStockLetter(6, 'Z');
  Game.Board[3][2] = {'X', 1};  // row 2, column 3: square 23
  WriteGame(List, Settings, Game);
  const std::string text = List.WrittenText();
  EXPECT_TRUE(text.starts_with(
      "[GlyphmasonGame]\r\nColumnsCount=10\r\nRowsCount=10\r\nLastDictionaryName=English.gmd\r\n"
      "AddToWordsList=TRUE\r\nAllowUnknownWords=FALSE\r\nLetterChangesCount=3\r\nScore=42\r\n\r\n"
      "[StockLetters]\r\n1=Q\r\n2=\r\n3=\r\n4=\r\n5=\r\n6=\r\n7=Z\r\n\r\n[Map]\r\nL0=\r\nS0=FALSE\r\n"
      "L1=\r\nS1=FALSE\r\n"));
  EXPECT_NE(text.find("\r\nL22=\r\nS22=FALSE\r\nL23=X\r\nS23=TRUE\r\nL24="), std::string::npos);
  EXPECT_TRUE(text.ends_with("L99=\r\nS99=FALSE\r\n\r\n"));
}

TEST_F(GameFileTest, ReadBackRestoresLooseAndFixedLetters) {
  Game.Board[0][0] = {'A', 0};
  Game.Board[1][0] = {'B', 1};
  Game.Score = 7;
  WriteGame(List, Settings, Game);
  TStoredTextList read;
  read.ReadFromText(List.WrittenText());
  TGame loaded(Display);
  loaded.ColumnsCount = 10;
  loaded.RowsCount = 10;
  loaded.SetUpNewBoard();
  ReadGame(read, loaded);
  EXPECT_EQ(loaded.Board[0][0], (TBoardCell{'A', 0}));
  EXPECT_EQ(loaded.Board[1][0], (TBoardCell{'B', 1}));
  EXPECT_EQ(loaded.LooseLetterList.Count(), 1);
  EXPECT_EQ(loaded.Score, 7);
}

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

TEST_F(GameFileTest, MissingCountersTakeTheirDefaults) {
  Game.ColumnsCount = 20;
  Game.RowsCount = 20;
  Game.Score = 5;
  List.ReadFromText("[GlyphmasonGame]\r\nScore=-1\r\n");
  ReadGame(List, Game);
  EXPECT_EQ(Game.LetterChangesCount, 20);
  EXPECT_EQ(Game.Score, 5);
}

TEST_F(GameFileTest, SettingsOutsideTheirLimitsKeepTheControlsValues) {
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
}

TEST_F(GameFileTest, OptionsFileHoldsTheSettingsThenLastGameAndMode) {
  TOptions options{Settings, "/games/last.gmg", true};
  WriteOptions(List, options);
  EXPECT_EQ(List.WrittenText(),
            "[GlyphmasonGame]\r\nColumnsCount=10\r\nRowsCount=10\r\nLastDictionaryName=English.gmd"
            "\r\nAddToWordsList=TRUE\r\nAllowUnknownWords=FALSE\r\nLastGameTitle=/games/last.gmg\r\n"
            "FullScreen=TRUE\r\n\r\n");
  TOptions read{Settings, "/default/*.gmg", true};
  TStoredTextList empty;
  empty.ReadFromText("[GlyphmasonGame]\r\nLastGameTitle=\r\n");
  ReadOptions(empty, read);
  EXPECT_EQ(read.LastGameFileName, "/default/*.gmg");
  EXPECT_FALSE(read.FullScreen);
}

}  // namespace
