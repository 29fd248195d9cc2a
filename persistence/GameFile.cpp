#include "persistence/GameFile.h"

#include <algorithm>
#include <cstdint>

#include "Libraries/File/PathText.h"
#include "game/Scoring.h"

namespace {

constexpr const char* kStockSection = "StockLetters";
constexpr const char* kMapSection = "Map";
constexpr size_t kMaxTurnWordLength = kMaxBoardSize;

void ReadBoardSide(const TStoredTextList& list, const char* key, int32_t& value) {
  list.ReadInteger(kGameSection, key, value, kMaxBoardSize, kMinBoardSize);
}

}  // namespace

void ReadGameSettings(const TStoredTextList& list, TGameSettings& settings) {
  ReadBoardSide(list, "ColumnsCount", settings.ColumnsCount);
  ReadBoardSide(list, "RowsCount", settings.RowsCount);
  std::string name = settings.DictionaryName;
  list.ReadString(kGameSection, "LastDictionaryName", false, name, kMaxDictionaryNameLength);
  // Dictionaries are always read from the dictionaries folder: a name that
  // points elsewhere is no dictionary name.
  if (IsPlainFileName(name)) {
    settings.DictionaryName = name;
  }
  list.ReadBool(kGameSection, "AddToWordsList", settings.AddToWordsList);
  list.ReadBool(kGameSection, "AllowUnknownWords", settings.AllowUnknownWords);
}

void WriteGameSettings(TStoredTextList& list, const TGameSettings& settings) {
  list.WriteInteger(kGameSection, "ColumnsCount", settings.ColumnsCount);
  list.WriteInteger(kGameSection, "RowsCount", settings.RowsCount);
  list.WriteString(kGameSection, "LastDictionaryName", settings.DictionaryName);
  list.WriteBool(kGameSection, "AddToWordsList", settings.AddToWordsList);
  list.WriteBool(kGameSection, "AllowUnknownWords", settings.AllowUnknownWords);
}

void ReadGame(const TStoredTextList& list, TGame& game) {
  game.LetterChangesCount = TGame::LetterChangesFor(game.ColumnsCount, game.RowsCount);
  list.ReadInteger(kGameSection, "LetterChangesCount", game.LetterChangesCount, INT32_MAX, 0);
  game.ShowLetterChanges();
  list.ReadInteger(kGameSection, "Score", game.Score, kMaxScore, 0);
  for (int32_t slot = 0; slot < kStockSlots; ++slot) {
    char letter = 0;
    list.ReadChar(kStockSection, std::to_string(slot + 1), letter);
    game.SetStockLetter(slot, letter);
  }
  game.ClearBoard();
  int32_t k = 0;
  for (int32_t row = 0; row < game.RowsCount; ++row) {
    for (int32_t column = 0; column < game.ColumnsCount; ++column, ++k) {
      TBoardCell& cell = game.Board[column][row];
      list.ReadChar(kMapSection, "L" + std::to_string(k), cell.Letter);
      bool loose = false;
      list.ReadBool(kMapSection, "S" + std::to_string(k), loose);
      // Only a letter can be loose, and only seven letters can be loose at
      // once: the rest stay on the board as fixed letters.
      loose = loose && cell.Letter != 0 && game.LooseLetterList.Count() < kMaxLooseLetters;
      cell.IsLoose = loose ? 1 : 0;
      if (loose) {
        game.AddLooseLetter(column, row);
      }
    }
  }
  ReadGameFigures(list, game);
}

void WriteGame(TStoredTextList& list, const TGameSettings& settings, const TGame& game) {
  list.Clear();
  WriteGameSettings(list, settings);
  list.WriteInteger(kGameSection, "LetterChangesCount", game.LetterChangesCount);
  list.WriteInteger(kGameSection, "Score", game.Score);
  for (int32_t slot = 0; slot < kStockSlots; ++slot) {
    list.WriteChar(kStockSection, std::to_string(slot + 1), game.StockLetter(slot));
  }
  int32_t k = 0;
  for (int32_t row = 0; row < game.RowsCount; ++row) {
    for (int32_t column = 0; column < game.ColumnsCount; ++column, ++k) {
      const TBoardCell& cell = game.Board[column][row];
      list.WriteChar(kMapSection, "L" + std::to_string(k), cell.Letter);
      list.WriteBool(kMapSection, "S" + std::to_string(k), cell.IsLoose != 0);
    }
  }
  WriteGameFigures(list, game);
}

std::string TurnText(const TTurnFigures& turn) {
  // Bounded the way ParseTurnText reads them, so that no turn written is lost.
  return std::to_string(std::clamp(turn.Score, 0, kMaxTurnScore)) + "," +
         std::to_string(std::clamp(turn.Par, 0, kMaxTurnScore)) + "," +
         std::to_string(std::clamp(turn.LettersPlaced, 1, kMaxLooseLetters)) + "," + turn.Word;
}

bool ParseTurnText(const std::string& text, TTurnFigures& turn) {
  TTurnFigures read;
  size_t from = 0;
  for (int32_t* number : {&read.Score, &read.Par, &read.LettersPlaced}) {
    const size_t comma = text.find(',', from);
    if (comma == std::string::npos ||
        !ParseStoredInteger(text.substr(from, comma - from), *number) || *number < 0) {
      return false;
    }
    from = comma + 1;
  }
  read.Word = text.substr(from);
  // Only what a turn can really give: no board makes more than kMaxTurnScore.
  if (read.Word.empty() || read.Word.size() > kMaxTurnWordLength || read.Score > kMaxTurnScore ||
      read.Par > kMaxTurnScore || read.LettersPlaced < 1 || read.LettersPlaced > kMaxLooseLetters) {
    return false;
  }
  turn = read;
  return true;
}

void ReadGameFigures(const TStoredTextList& list, TGame& game) {
  TGameFigures figures;
  int32_t count = 0;
  list.ReadInteger(kFiguresSection, "WordsCount", count, INT32_MAX, 0);
  // No board holds more turns: a longer list keeps its first ones.
  count = std::min(count, kMaxTurns);
  for (int32_t n = 1; n <= count; ++n) {
    std::string text;
    list.ReadString(kFiguresSection, "Word" + std::to_string(n), false, text, SIZE_MAX);
    TTurnFigures turn;
    if (ParseTurnText(text, turn)) {
      figures.Turns.push_back(turn);
    }
  }
  list.ReadInteger(kFiguresSection, "SuggestionsUsed", figures.SuggestionsUsed, kMaxSuggestionsUsed,
                   0);
  list.ReadBool(kFiguresSection, "UnknownWordCommitted", figures.UnknownWordCommitted);
  list.ReadInteger(kFiguresSection, "Undos", figures.UndosUsed, kMaxUndosUsed, 0);
  game.Figures = figures;
  bool ended = false;
  list.ReadBool(kFiguresSection, "Ended", ended);
  if (ended) {
    game.SetPlayState(TPlayState::Ended);
  }
}

void WriteGameFigures(TStoredTextList& list, const TGame& game) {
  const TGameFigures& figures = game.Figures;
  if (figures.IsEmpty() && !game.IsEnded()) {
    return;
  }
  list.WriteBool(kFiguresSection, "Ended", game.IsEnded());
  // Written within the limits ReadGameFigures reads, so that none is lost.
  list.WriteInteger(kFiguresSection, "SuggestionsUsed",
                    std::clamp(figures.SuggestionsUsed, 0, kMaxSuggestionsUsed));
  list.WriteBool(kFiguresSection, "UnknownWordCommitted", figures.UnknownWordCommitted);
  const int32_t count = std::min(figures.WordsCommitted(), kMaxTurns);
  list.WriteInteger(kFiguresSection, "WordsCount", count);
  for (int32_t n = 1; n <= count; ++n) {
    list.WriteString(kFiguresSection, "Word" + std::to_string(n), TurnText(figures.Turns[n - 1]));
  }
  // Only a game that used undo has the key: others are written as before.
  if (figures.UndosUsed > 0) {
    list.WriteInteger(kFiguresSection, "Undos", std::min(figures.UndosUsed, kMaxUndosUsed));
  }
}

void ReadOptions(const TStoredTextList& list, TOptions& options) {
  ReadGameSettings(list, options.Settings);
  list.ReadString(kGameSection, "LastGameTitle", false, options.LastGameFileName,
                  kMaxLastGameTitleLength);
  options.FullScreen = false;
  list.ReadBool(kGameSection, "FullScreen", options.FullScreen);
}

void WriteOptions(TStoredTextList& list, const TOptions& options) {
  list.Clear();
  WriteGameSettings(list, options.Settings);
  list.WriteString(kGameSection, "LastGameTitle", options.LastGameFileName);
  list.WriteBool(kGameSection, "FullScreen", options.FullScreen);
}
