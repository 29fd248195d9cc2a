// Feeds arbitrary bytes to the game reader as a game file and as an options
// file. Whatever the file says, the board that comes out is sound: its size
// is 10..30, nothing lies outside it, only letters are loose, at most seven
// are, and the loose-letter list names exactly the loose squares.

#include "fuzz/FuzzSupport.h"
#include "game/GameDisplay.h"
#include "persistence/GameFile.h"

namespace {

void RequireSoundBoard(const TGame& game) {
  Require(game.ColumnsCount >= kMinBoardSize && game.ColumnsCount <= kMaxBoardSize);
  Require(game.RowsCount >= kMinBoardSize && game.RowsCount <= kMaxBoardSize);
  int32_t loose = 0;
  for (int32_t column = 0; column < kMaxBoardSize; ++column) {
    for (int32_t row = 0; row < kMaxBoardSize; ++row) {
      const TBoardCell& cell = game.Board[column][row];
      const bool inside = column < game.ColumnsCount && row < game.RowsCount;
      Require(inside || cell == TBoardCell{});
      Require(cell.IsLoose == 0 || cell.Letter != 0);
      loose += cell.IsLoose != 0;
    }
  }
  Require(loose == game.LooseLetterList.Count() && loose <= kMaxLooseLetters);
  for (int32_t i = 0; i < game.LooseLetterList.Count(); ++i) {
    const TCellPosition square = game.LooseLetterList[i];
    Require(game.Board[square.Column][square.Row].IsLooseLetter());
  }
  Require(game.Score >= 0 && game.LetterChangesCount >= 0);
}

}  // namespace

int FuzzGameFile(const uint8_t* data, size_t size) {
  PointProgramNowhere();
  TStoredTextList list;
  list.ReadFromText(InputText(data, size));

  TSilentGameDisplay display;
  TGame game(display);
  TGameSettings settings{15, 15, "English.gmd", true, true};
  ReadGameSettings(list, settings);
  game.ColumnsCount = settings.ColumnsCount;
  game.RowsCount = settings.RowsCount;
  game.SetUpNewBoard();
  ReadGame(list, game);
  RequireSoundBoard(game);

  // What is written reads back as the same game.
  TStoredTextList written;
  WriteGame(written, settings, game);
  TSilentGameDisplay againDisplay;
  TGame again(againDisplay);
  again.ColumnsCount = game.ColumnsCount;
  again.RowsCount = game.RowsCount;
  again.SetUpNewBoard();
  ReadGame(written, again);
  Require(again.Board == game.Board && again.Score == game.Score);

  TOptions options;
  options.LastGameFileName = "/games/*.gmg";
  ReadOptions(list, options);
  Require(!options.LastGameFileName.empty() && options.LastGameFileName.size() <= 259);
  return 0;
}

GLYPHMASON_FUZZ_ENTRY(FuzzGameFile)
