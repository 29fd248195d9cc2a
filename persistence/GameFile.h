#pragma once
// The game file and the options file. Both begin with the same settings
// block in section "GlyphmasonGame"; the game file then holds the counters,
// the stock and every square of the board, the options file the last game
// and the window mode. Every value that is missing, out of range or of the
// wrong form keeps its default; the rest of the file is still read.

#include <cstdint>
#include <string>

#include "Libraries/StoredTextList/StoredTextList.h"
#include "game/Game.h"

// The settings both files share, as the window's controls hold them.
struct TGameSettings {
  int32_t ColumnsCount = kDefaultBoardSize;
  int32_t RowsCount = kDefaultBoardSize;
  std::string DictionaryName;
  bool AddToWordsList = true;
  bool AllowUnknownWords = true;
};

// What the options file adds to the settings.
struct TOptions {
  TGameSettings Settings;
  std::string LastGameFileName;
  bool FullScreen = false;
};

inline constexpr const char* kGameSection = "GlyphmasonGame";
inline constexpr size_t kMaxDictionaryNameLength = 255;
// The longest path the system opens (its PATH_MAX less the end byte), so
// that a game saved under any path it takes is the last game again after a
// restart.
inline constexpr size_t kMaxLastGameTitleLength = 4095;

// Board sizes 10..30, a dictionary name of 1..255 characters that names a
// file inside the dictionaries folder, and the two check boxes.
void ReadGameSettings(const TStoredTextList& list, TGameSettings& settings);
void WriteGameSettings(TStoredTextList& list, const TGameSettings& settings);

// Reads the counters, the stock and the squares of a board of the game's
// size into the game (after its settings were read and a new board was set
// up). The board always comes out sound: a square marked loose without a
// letter is empty, loose squares beyond the seventh become fixed letters.
void ReadGame(const TStoredTextList& list, TGame& game);
// The whole game file: settings, counters, stock, then square by square
// row by row ("L<k>" letter and "S<k>" loose flag, k = row x columns + column).
// The game's figures follow in a section of their own, only when the game
// has any or has ended; a game without them is written as it was read.
void WriteGame(TStoredTextList& list, const TGameSettings& settings, const TGame& game);

inline constexpr const char* kFiguresSection = "GlyphmasonFigures";
// The figures section: turns that do not read are left out, only the first
// kMaxTurns are read, and a game marked ended comes back ended.
void ReadGameFigures(const TStoredTextList& list, TGame& game);
// Writes no more turns than ReadGameFigures reads, and SuggestionsUsed
// within 0..kMaxSuggestionsUsed.
void WriteGameFigures(TStoredTextList& list, const TGame& game);
// One turn as its stored line, "score,par,letters,word", its numbers brought
// within what ParseTurnText reads; and back: false (and the turn unchanged)
// for a line that does not read or holds more than a turn can score.
std::string TurnText(const TTurnFigures& turn);
bool ParseTurnText(const std::string& text, TTurnFigures& turn);

void ReadOptions(const TStoredTextList& list, TOptions& options);
void WriteOptions(TStoredTextList& list, const TOptions& options);
