#pragma once
// The word finder: every move the letters on hand can make on the board, and
// the best of them. A move puts 1 to 7 hand letters on empty squares so that,
// with those letters loose, the one-word rule reads a word W, and W (for
// "Put word on board") or W reversed (for "Put flipped word") is in the words
// list under its case-free comparison. It scores what WordScore gives for
// those loose letters.
//
// Moves are ordered, best first, by:
//   1. the higher score;
//   2. more letters placed;
//   3. "Put word on board" before "Put flipped word";
//   4. a word in a row before a word in a column;
//   5. the word as committed (reversed for a flipped move), by its bytes;
//   6. the word's first square: the upper row, then the left column.
// No two moves are equal in this order, so a position always gives the same
// suggestion. A placement that reads a word both ways is listed once, as
// "Put word on board". On a board without fixed letters any first word is
// allowed; the finder offers only those through the middle square
// (column Columns / 2, row Rows / 2).

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "game/Board.h"
#include "game/WordGraph.h"
#include "lexicon/LetterData.h"

class TWordsList;

struct TPlacedLetter {
  TCellPosition Square;
  char Letter = 0;
  friend bool operator==(const TPlacedLetter&, const TPlacedLetter&) = default;
};

struct TWordMove {
  // The letters put down, in reading order (left to right, top to bottom).
  std::vector<TPlacedLetter> Placed;
  // The text the commit looks up: the board's reading, reversed when flipped.
  std::string Word;
  bool Flipped = false;
  bool Vertical = false;
  // The word's upper-left square.
  TCellPosition First;
  int32_t Score = 0;
  friend bool operator==(const TWordMove&, const TWordMove&) = default;
};

// True when a comes before b in the order above.
bool IsBetterMove(const TWordMove& a, const TWordMove& b);

// What a move is made from. Loose letters on the board count as empty
// squares: a caller that takes them back adds them to the hand.
struct TMovePosition {
  const TBoard& Board;
  int32_t Columns;
  int32_t Rows;
  // The letters on hand; at most seven of them go down in one move.
  std::string_view Hand;
  const TLetterData& Letters;
};

class TWordFinder {
 public:
  // The best `count` moves, best first; none when no word can be made.
  // Brings the word graphs in step with the list first.
  std::vector<TWordMove> BestMoves(const TWordsList& words, const TMovePosition& position,
                                   size_t count);

  // Brings the graphs in step with the list: the large graph of the list's
  // base (see TWordsList::BaseVersion) is built anew only when the base
  // changed, as when the list was read or cleared or lost one of those
  // entries, or is another list; words added after the base, or taken back,
  // only build the small graph of the entries after it again. Entries of
  // fewer than 2 or more than 30 letters never fit the board and are left
  // out.
  void Update(const TWordsList& words);
  // The bytes the graphs hold in memory.
  size_t MemoryBytes() const;

 private:
  // No version of a list: what the graph holds must be built again.
  static constexpr uint64_t kNoVersion = ~uint64_t{0};

  void BuildLoaded(const TWordsList& words);

  // The list's base entries, at its base version LoadedBase.
  TWordGraph Loaded;
  uint64_t LoadedBase = 0;
  int32_t LoadedCount = 0;
  // The entries after them, as the list held them at AddedVersion.
  TWordGraph Added;
  uint64_t AddedVersion = 0;
};

// The same moves found the slow way: every entry of the list tried at every
// placement, each checked with ReadLooseWord and FindWord. For comparison.
std::vector<TWordMove> BestMovesByScan(const TWordsList& words, const TMovePosition& position,
                                       size_t count);
