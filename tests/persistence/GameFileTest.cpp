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
    Game.SetStockLetter(0, 'E');
    Game.Board[4][5] = {'A', 0};
    Game.Board[5][5] = {'T', 1};
    Game.AddLooseLetter(5, 5);
  }
  // A fresh game of the same size.
  TGame& Fresh() {
    Copy.ColumnsCount = Copy.RowsCount = 10;
    Copy.SetUpNewBoard();
    return Copy;
  }
  // The game written, then read into a fresh game.
  TGame& ReadBack() {
    TStoredTextList list;
    WriteGame(list, Settings, Game);
    TStoredTextList read;
    read.ReadFromText(list.WrittenText());
    ReadGame(read, Fresh());
    return Copy;
  }
  TSilentGameDisplay Display;
  TGame Game;
  TGame Copy{Display};
  TStoredTextList List;
  TGameSettings Settings{10, 10, "English.gmd", true, false};
};

}  // namespace

TEST_F(GameFileTest, UnsoundSquaresAreMadeSound) {
  std::string map = "[Map]\r\nS5=TRUE\r\n";  // loose without a letter
  for (int k = 10; k < 19; ++k) {
    map += "L" + std::to_string(k) + "=E\r\nS" + std::to_string(k) + "=TRUE\r\n";
  }
  map += "L20=EE\r\nL21=\xFF\r\n";
  List.ReadFromText(map);
  ReadGame(List, Fresh());
  EXPECT_EQ(Copy.Board[5][0], (TBoardCell{0, 0}));
  EXPECT_EQ(Copy.LooseLetterList.Count(), 7);
  EXPECT_EQ(Copy.Board[6][1], (TBoardCell{'E', 1}));  // square 16: the seventh
  EXPECT_EQ(Copy.Board[7][1], (TBoardCell{'E', 0}));  // the eighth stays as a fixed letter
  EXPECT_EQ(Copy.Board[0][2].Letter, 0);              // two characters are no letter
  EXPECT_EQ(Copy.Board[1][2].Letter, '\xFF');         // a letter outside the alphabet stays
}

TEST_F(GameFileTest, MissingOrRefusedValuesKeepTheirDefaults) {
  Fresh().ColumnsCount = 20;
  Copy.RowsCount = 20;
  Copy.Score = 5;
  List.ReadFromText("[GlyphmasonGame]\r\nScore=-1\r\n");
  ReadGame(List, Copy);
  EXPECT_EQ(Copy.LetterChangesCount, 20);
  EXPECT_EQ(Copy.Score, 5);
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

TEST_F(GameFileTest, TheFiguresAnEndedGameAndAnUndoAloneComeBackAfterSaveAndLoad) {
  Game.Figures.Turns = {{12, 20, 3, "CAT"}, {7, 7, 1, "AT,S"}};
  Game.Figures.SuggestionsUsed = 2;
  Game.Figures.UnknownWordCommitted = true;
  EXPECT_EQ(ReadBack().Figures, Game.Figures);
  EXPECT_FALSE(Copy.IsEnded());
  Game.Figures = {};
  Game.SetPlayState(TPlayState::Ended);
  EXPECT_TRUE(ReadBack().IsEnded());
  EXPECT_TRUE(Copy.Figures.IsEmpty());
  // Where the figures stand in the file, and that undos are left out unless
  // used, the golden games' files show; an undo alone is worth keeping.
  Game.Figures.UndosUsed = 1;
  EXPECT_EQ(ReadBack().Figures.UndosUsed, 1);
}

TEST_F(GameFileTest, AFileWithoutFiguresLoadedAndSavedComesBackByteForByte) {
  TStoredTextList plain;
  WriteGame(plain, Settings, Game);
  const std::string bytes = plain.WrittenText();
  List.ReadFromText(bytes);
  ReadGame(List, Fresh());
  WriteGame(List, Settings, Copy);
  EXPECT_EQ(List.WrittenText(), bytes);
  EXPECT_EQ(bytes.substr(bytes.size() - 13), "S99=FALSE\r\n\r\n");
}

TEST_F(GameFileTest, TurnsThatDoNotReadOrThatNoGameReachesAreLeftOut) {
  TStoredTextList list;
  list.ReadFromText(
      "[GlyphmasonFigures]\r\nWordsCount=6\r\nWord1=5,9,2,AT\r\nWord2=5,9,AT\r\n"
      "Word3=-1,9,2,AT\r\nWord4=5,9,8,ATATATATA\r\nWord5=5,9,2,\r\nWord6=x,9,2,AT\r\n"
      "SuggestionsUsed=-3\r\nUndos=-2\r\n");
  Game.Figures.SuggestionsUsed = 4;
  Game.Figures.UndosUsed = 4;
  ReadGameFigures(list, Game);
  ASSERT_EQ(Game.Figures.WordsCommitted(), 1);
  EXPECT_EQ(Game.Figures.Turns[0], (TTurnFigures{5, 9, 2, "AT"}));
  EXPECT_EQ(Game.Figures.SuggestionsUsed, 0);
  EXPECT_EQ(Game.Figures.UndosUsed, 0);
  // A hostile file gives only turns a game can reach.
  std::string hostile = "[GlyphmasonFigures]\r\nSuggestionsUsed=2147483647\r\nWordsCount=" +
                        std::to_string(kMaxTurns + 1) + "\r\nWord1=2147483647,1,1,A\r\nWord2=1," +
                        std::to_string(kMaxTurnScore + 1) + ",1,A\r\n";
  for (int32_t n = 3; n <= kMaxTurns + 1; ++n) {
    hostile += "Word" + std::to_string(n) + "=" + std::to_string(kMaxTurnScore) + ",1,1,A\r\n";
  }
  list.ReadFromText(hostile);
  ReadGameFigures(list, Game);
  EXPECT_EQ(Game.Figures.WordsCommitted(), kMaxTurns - 2);  // the first kMaxTurns lines
  EXPECT_EQ(Game.Figures.SuggestionsUsed, 0);
}

TEST_F(GameFileTest, FiguresAtAndBeyondTheReadersLimitsComeBackAtThoseLimits) {
  // A full 30 x 30 board, one letter a turn, and one turn more than it holds.
  Game.Figures.Turns.assign(kMaxTurns + 1, {kMaxTurnScore, 0, 1, std::string(kMaxBoardSize, 'Z')});
  Game.Figures.SuggestionsUsed = kMaxSuggestionsUsed;
  TGameFigures written = Game.Figures;
  written.Turns.pop_back();
  EXPECT_EQ(ReadBack().Figures, written);
  Game.Figures.Turns = {{kMaxTurnScore + 1, -1, 8, "CAT"}};
  Game.Figures.SuggestionsUsed = INT32_MAX;
  EXPECT_EQ(ReadBack().Figures.Turns, (std::vector<TTurnFigures>{{kMaxTurnScore, 0, 7, "CAT"}}));
  EXPECT_EQ(ReadBack().Figures.SuggestionsUsed, kMaxSuggestionsUsed);
}
