#include "game/WordFinder.h"

#include <algorithm>
#include <array>
#include <limits>

#include "Libraries/Text/Cp1252.h"
#include "Libraries/Text/Text.h"
#include "game/Scoring.h"
#include "game/WordRule.h"
#include "lexicon/WordsList.h"

namespace {

constexpr size_t kShortestWord = 2;
// A word longer than the board's largest side never fits.
constexpr size_t kLongestWord = kMaxBoardSize;

unsigned char CapitalOf(char letter) {
  return Cp1252Capitals()[static_cast<unsigned char>(letter)];
}

// The best moves found so far, at most Limit of them once taken, best first
// and each once. Offers are gathered and sorted in batches; each batch sets
// the score that later offers must reach.
class TMoveList {
 public:
  explicit TMoveList(size_t limit) : Limit(limit) {}

  // Whether a move of this score could still be among the best.
  bool Admits(int32_t score) const { return Limit > 0 && score >= Threshold; }
  void Offer(TWordMove move) {
    if (!Admits(move.Score)) {
      return;
    }
    Moves.push_back(std::move(move));
    if (Moves.size() >= 2 * Limit + kBatch) {
      Settle();
    }
  }
  std::vector<TWordMove> Take() {
    Settle();
    return std::move(Moves);
  }

 private:
  static constexpr size_t kBatch = 16;

  void Settle() {
    std::sort(Moves.begin(), Moves.end(), IsBetterMove);
    // The same move can be found twice (an entry repeated in another case).
    Moves.erase(std::unique(Moves.begin(), Moves.end(),
                            [](const TWordMove& a, const TWordMove& b) {
                              return !IsBetterMove(a, b) && !IsBetterMove(b, a);
                            }),
                Moves.end());
    if (Moves.size() >= Limit) {
      Moves.resize(Limit);
      Threshold = Moves.empty() ? Threshold : Moves.back().Score;
    }
  }

  size_t Limit;
  int32_t Threshold = std::numeric_limits<int32_t>::min();
  std::vector<TWordMove> Moves;
};

// The letters on hand, each different letter once with its count.
struct THand {
  struct TLetter {
    char Letter;
    int32_t Count;
    int32_t Score;
  };
  static constexpr size_t kMaxDifferentLetters = 32;

  THand(std::string_view hand, const TLetterData& letters) {
    for (const char letter : hand) {
      if (letter == 0) {
        continue;
      }
      const auto same = std::find_if(Letters.begin(), Letters.end(),
                                     [&](const TLetter& known) { return known.Letter == letter; });
      if (same != Letters.end()) {
        ++same->Count;
      } else if (Letters.size() < kMaxDifferentLetters) {
        ByCapital[CapitalOf(letter)] |= uint32_t{1} << Letters.size();
        Letters.push_back({letter, 1, LetterScoreOf(letters, letter)});
      } else {
        continue;
      }
      ++Size;
    }
    Limit = std::min(Size, kMaxLooseLetters);
  }

  std::vector<TLetter> Letters;
  // For each capital, the letters on hand that have it (bit i: Letters[i]).
  std::array<uint32_t, 256> ByCapital{};
  int32_t Size = 0;
  // The letters one move may put down.
  int32_t Limit = 0;
};

// The current board seen so that the words to find read left to right along
// its rows: as it is, or with rows and columns exchanged (for words in
// columns), and mirrored along the word for flipped words. The word rule
// reads the same on a mirrored board, so one search serves all four.
struct TGrid {
  TGrid(const TMovePosition& position, bool vertical, bool flipped)
      : Vertical(vertical),
        Flipped(flipped),
        Width(vertical ? position.Rows : position.Columns),
        Height(vertical ? position.Columns : position.Rows) {
    for (int32_t y = 0; y < Height; ++y) {
      for (int32_t x = 0; x < Width; ++x) {
        const TCellPosition square = BoardSquare(x, y);
        const TBoardCell& cell = position.Board[square.Column][square.Row];
        Cells[Index(x, y)] = cell.IsFixedLetter() ? cell.Letter : 0;
      }
    }
  }

  TCellPosition BoardSquare(int32_t x, int32_t y) const {
    const int32_t along = Flipped ? Width - 1 - x : x;
    return Vertical ? TCellPosition{y, along} : TCellPosition{along, y};
  }
  TCellPosition GridSquare(TCellPosition square) const {
    const int32_t along = Vertical ? square.Row : square.Column;
    return {Flipped ? Width - 1 - along : along, Vertical ? square.Column : square.Row};
  }
  char At(int32_t x, int32_t y) const { return Cells[Index(x, y)]; }
  static size_t Index(int32_t x, int32_t y) { return static_cast<size_t>(y * kMaxBoardSize + x); }

  bool Vertical;
  bool Flipped;
  int32_t Width;
  int32_t Height;
  std::array<char, kMaxBoardSize * kMaxBoardSize> Cells{};
};

// The search along the rows of one grid, one word graph at a time. A word
// starts on a square whose left neighbour is empty, runs over fixed letters
// and placed hand letters, and ends before an empty square or the edge.
class TGridSearch {
 public:
  TGridSearch(const TGrid& grid, THand& hand, const TMovePosition& position, TMoveList& moves,
              const std::array<const TWordGraph*, 2>& graphs)
      : Grid(grid), Hand(hand), Letters(position.Letters), Moves(moves), Graphs(graphs) {
    AnyFixed = !HasNoFixedLetters(position.Board, position.Columns, position.Rows);
    Middle = Grid.GridSquare({position.Columns / 2, position.Rows / 2});
  }

  void Run(const TWordGraph& graph) {
    Graph = &graph;
    for (Y = 0; Y < Grid.Height; ++Y) {
      if (!AnyFixed && Y != Middle.Row) {
        continue;  // the first word runs through the middle square
      }
      PrepareRow();
      for (X0 = 0; X0 < Grid.Width; ++X0) {
        if (CanStartAt(X0)) {
          Extend(X0, Graph->RootNode());
        }
      }
    }
  }

 private:
  static constexpr int32_t kUnreachable = 1000;

  // For each square of the row: whether a letter may be placed there (no
  // letter above or below it), and how many letters must be placed from
  // there on to reach a fixed letter.
  void PrepareRow() {
    for (int32_t x = 0; x < Grid.Width; ++x) {
      Blocked[x] = Grid.At(x, Y) == 0 && ((Y > 0 && Grid.At(x, Y - 1) != 0) ||
                                          (Y + 1 < Grid.Height && Grid.At(x, Y + 1) != 0));
    }
    int32_t toFixed = kUnreachable;
    for (int32_t x = Grid.Width - 1; x >= 0; --x) {
      if (Grid.At(x, Y) != 0) {
        toFixed = 0;
      } else if (Blocked[x]) {
        toFixed = kUnreachable;
      } else if (toFixed < kUnreachable) {
        ++toFixed;
      }
      ToFixed[x] = toFixed;
    }
  }

  bool CanStartAt(int32_t x) const {
    if (x > 0 && Grid.At(x - 1, Y) != 0) {
      return false;
    }
    if (!AnyFixed) {
      return x <= Middle.Column && x + Hand.Limit > Middle.Column;
    }
    return ToFixed[x] <= Hand.Limit;
  }

  // The word so far ends before square x and has reached the graph's node.
  void Extend(int32_t x, uint32_t node) {
    const char fixed = Grid.At(x, Y);
    if (fixed != 0) {
      TWordGraph::TStep step;
      if (Graph->Follow(node, CapitalOf(fixed), step)) {
        Word[x - X0] = fixed;
        const bool hadFixed = HasFixed;
        HasFixed = true;
        Arrive(x, step);
        HasFixed = hadFixed;
      }
      return;
    }
    if (Blocked[x] || PlacedCount == Hand.Limit ||
        (AnyFixed && !HasFixed && PlacedCount + ToFixed[x] > Hand.Limit)) {
      return;
    }
    for (uint32_t edge = node; node != TWordGraph::kNoEdges; ++edge) {
      for (uint32_t mask = Hand.ByCapital[Graph->Label(edge)]; mask != 0; mask &= mask - 1) {
        THand::TLetter& letter = Hand.Letters[static_cast<size_t>(__builtin_ctz(mask))];
        if (letter.Count == 0) {
          continue;
        }
        --letter.Count;
        PlacedX[PlacedCount] = x;
        PlacedLetters[PlacedCount] = letter.Letter;
        ++PlacedCount;
        Score += letter.Score;
        Word[x - X0] = letter.Letter;
        Arrive(x, Graph->StepOf(edge));
        Score -= letter.Score;
        --PlacedCount;
        ++letter.Count;
      }
      if (Graph->IsLastEdge(edge)) {
        break;
      }
    }
  }

  void Arrive(int32_t x, TWordGraph::TStep step) {
    const bool atEnd = x + 1 == Grid.Width || Grid.At(x + 1, Y) == 0;
    if (atEnd && step.IsWord) {
      Report(x);
    }
    if (x + 1 < Grid.Width && step.Node != TWordGraph::kNoEdges) {
      Extend(x + 1, step.Node);
    }
  }

  // A word from X0 to last: offered when it keeps the one-word rule.
  void Report(int32_t last) {
    if (PlacedCount == 0 || last == X0) {
      return;
    }
    if (AnyFixed ? !HasFixed : last < Middle.Column) {
      return;
    }
    // A lone placed letter reads with its one neighbour, so it must stand at
    // an end of the word.
    if (PlacedCount == 1 && PlacedX[0] != X0 && PlacedX[0] != last) {
      return;
    }
    const int32_t score = Score + Letters.LengthScores[static_cast<size_t>(PlacedCount - 1)];
    if (!Moves.Admits(score)) {
      return;
    }
    std::string word(Word.data(), static_cast<size_t>(last - X0 + 1));
    if (Grid.Flipped && ReadsForwardToo(word)) {
      return;
    }
    TWordMove move;
    move.Word = std::move(word);
    move.Flipped = Grid.Flipped;
    move.Vertical = Grid.Vertical;
    move.Score = score;
    for (int32_t i = 0; i < PlacedCount; ++i) {
      move.Placed.push_back({Grid.BoardSquare(PlacedX[i], Y), PlacedLetters[i]});
    }
    std::sort(move.Placed.begin(), move.Placed.end(), [](const auto& a, const auto& b) {
      return a.Square.Row != b.Square.Row ? a.Square.Row < b.Square.Row
                                          : a.Square.Column < b.Square.Column;
    });
    const TCellPosition start = Grid.BoardSquare(X0, Y);
    const TCellPosition end = Grid.BoardSquare(last, Y);
    move.First = {std::min(start.Column, end.Column), std::min(start.Row, end.Row)};
    Moves.Offer(std::move(move));
  }

  // Whether the board's own reading of a flipped word is a word as well.
  bool ReadsForwardToo(const std::string& flippedWord) const {
    std::string reading(flippedWord.rbegin(), flippedWord.rend());
    for (char& letter : reading) {
      letter = static_cast<char>(CapitalOf(letter));
    }
    return std::any_of(Graphs.begin(), Graphs.end(),
                       [&](const TWordGraph* graph) { return graph->Contains(reading); });
  }

  const TGrid& Grid;
  THand& Hand;
  const TLetterData& Letters;
  TMoveList& Moves;
  std::array<const TWordGraph*, 2> Graphs;
  const TWordGraph* Graph = nullptr;
  bool AnyFixed = false;
  TCellPosition Middle;

  int32_t Y = 0;
  int32_t X0 = 0;
  std::array<bool, kMaxBoardSize> Blocked{};
  std::array<int32_t, kMaxBoardSize> ToFixed{};
  std::array<char, kMaxBoardSize> Word{};
  std::array<int32_t, kMaxLooseLetters> PlacedX{};
  std::array<char, kMaxLooseLetters> PlacedLetters{};
  int32_t PlacedCount = 0;
  int32_t Score = 0;
  bool HasFixed = false;
};

// The capitals of the entries from..to-1 that can fit the board, sorted and
// without repeats; the texts lie in storage.
std::vector<std::string_view> SortedCapitals(const TWordsList& words, int32_t from, int32_t to,
                                             std::string& storage) {
  size_t bytes = 0;
  for (int32_t i = from; i < to; ++i) {
    bytes += words.Entry(i).size();
  }
  // Reserved whole, so that the texts never move while views point into them.
  storage.clear();
  storage.reserve(bytes);
  std::vector<std::string_view> sorted;
  sorted.reserve(static_cast<size_t>(to - from));
  for (int32_t i = from; i < to; ++i) {
    const std::string_view entry = words.Entry(i);
    if (entry.size() < kShortestWord || entry.size() > kLongestWord) {
      continue;
    }
    const size_t start = storage.size();
    for (const char letter : entry) {
      storage.push_back(static_cast<char>(CapitalOf(letter)));
    }
    sorted.emplace_back(storage.data() + start, entry.size());
  }
  // Lists usually come sorted already; then only the repeats go.
  if (!std::is_sorted(sorted.begin(), sorted.end())) {
    std::sort(sorted.begin(), sorted.end());
  }
  sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
  return sorted;
}

// The capitals of the entry, when it can fit the board; false otherwise.
bool FittingCapitals(std::string_view entry, std::string& capitals) {
  if (entry.size() < kShortestWord || entry.size() > kLongestWord) {
    return false;
  }
  capitals.resize(entry.size());
  std::transform(entry.begin(), entry.end(), capitals.begin(),
                 [](char letter) { return static_cast<char>(CapitalOf(letter)); });
  return true;
}

// The graph of the entries from..to-1. A list already in the order of its
// capitals (the shipped ones are) goes into the graph as it is read; any
// other is sorted in a copy of its capitals first.
void BuildGraph(TWordGraph& graph, const TWordsList& words, int32_t from, int32_t to) {
  std::string previous;
  std::string word;
  for (int32_t i = from; i < to; ++i) {
    if (FittingCapitals(words.Entry(i), word)) {
      if (word < previous) {
        std::string storage;
        graph.Build(SortedCapitals(words, from, to, storage));
        return;
      }
      previous.swap(word);
    }
  }
  TWordGraph::TBuilder builder(graph);
  previous.clear();
  for (int32_t i = from; i < to; ++i) {
    if (FittingCapitals(words.Entry(i), word) && word != previous) {
      builder.Add(word);
      previous.swap(word);
    }
  }
  builder.Finish();
}

int32_t Clamped(int32_t size) {
  return std::clamp(size, 0, kMaxBoardSize);
}

}  // namespace

bool IsBetterMove(const TWordMove& a, const TWordMove& b) {
  if (a.Score != b.Score) {
    return a.Score > b.Score;
  }
  if (a.Placed.size() != b.Placed.size()) {
    return a.Placed.size() > b.Placed.size();
  }
  if (a.Flipped != b.Flipped) {
    return !a.Flipped;
  }
  if (a.Vertical != b.Vertical) {
    return !a.Vertical;
  }
  if (a.Word != b.Word) {
    return a.Word < b.Word;
  }
  if (a.First.Row != b.First.Row) {
    return a.First.Row < b.First.Row;
  }
  return a.First.Column < b.First.Column;
}

std::vector<TWordMove> TWordFinder::BestMoves(const TWordsList& words,
                                              const TMovePosition& position, size_t count) {
  Update(words);
  const TMovePosition clamped{position.Board, Clamped(position.Columns), Clamped(position.Rows),
                              position.Hand, position.Letters};
  TMoveList moves(count);
  THand hand(clamped.Hand, clamped.Letters);
  if (hand.Limit == 0) {
    return {};
  }
  const std::array<const TWordGraph*, 2> graphs{&Loaded, &Added};
  for (const bool flipped : {false, true}) {
    for (const bool vertical : {false, true}) {
      const TGrid grid(clamped, vertical, flipped);
      TGridSearch search(grid, hand, clamped, moves, graphs);
      for (const TWordGraph* graph : graphs) {
        if (!graph->Empty()) {
          search.Run(*graph);
        }
      }
    }
  }
  return moves.Take();
}

void TWordFinder::Update(const TWordsList& words) {
  if (words.BaseVersion() != LoadedBase) {
    BuildLoaded(words);
  }
  if (words.Version() != AddedVersion) {
    // Until the build is through, the next update starts it again.
    AddedVersion = kNoVersion;
    BuildGraph(Added, words, LoadedCount, words.Count());
    AddedVersion = words.Version();
  }
}

void TWordFinder::BuildLoaded(const TWordsList& words) {
  LoadedBase = kNoVersion;
  AddedVersion = kNoVersion;
  BuildGraph(Loaded, words, 0, words.BaseCount());
  LoadedCount = words.BaseCount();
  LoadedBase = words.BaseVersion();
}

size_t TWordFinder::MemoryBytes() const {
  return Loaded.MemoryBytes() + Added.MemoryBytes();
}

namespace {

// Whether the entry can lie there at all: fixed letters that match it, and
// hand letters for its empty squares.
// The capitals of the hand letters (at most 30); 0 marks no letter.
using THandCapitals = std::array<unsigned char, kMaxBoardSize>;

bool EntryFits(const TMovePosition& position, const THandCapitals& handCapitals,
               std::string_view reading, bool vertical, TCellPosition first) {
  THandCapitals hand = handCapitals;  // the letters not used yet
  const size_t handSize = hand.size();
  for (size_t i = 0; i < reading.size(); ++i) {
    const int32_t column = first.Column + (vertical ? 0 : static_cast<int32_t>(i));
    const int32_t row = first.Row + (vertical ? static_cast<int32_t>(i) : 0);
    const char fixed = position.Board[column][row].Letter;
    const unsigned char wanted = CapitalOf(reading[i]);
    if (fixed != 0) {
      if (CapitalOf(fixed) != wanted) {
        return false;
      }
      continue;
    }
    unsigned char* const end = hand.data() + handSize;
    unsigned char* const letter = std::find(hand.data(), end, wanted);
    if (letter == end) {
      return false;
    }
    *letter = 0;
  }
  return true;
}

// One entry tried at one place: the hand letters fill its empty squares, and
// the loose letters must then read exactly the entry under the word rule.
void TryEntryAt(const TWordsList& words, const TMovePosition& position, std::string_view reading,
                bool vertical, bool flipped, TCellPosition first, TMoveList& moves) {
  TBoard tried = position.Board;
  TLooseLetterList loose;
  std::string hand(position.Hand);
  std::vector<TPlacedLetter> placed;
  std::string boardReading;
  for (size_t i = 0; i < reading.size(); ++i) {
    const int32_t column = first.Column + (vertical ? 0 : static_cast<int32_t>(i));
    const int32_t row = first.Row + (vertical ? static_cast<int32_t>(i) : 0);
    TBoardCell& cell = tried[column][row];
    if (cell.IsEmpty()) {
      const auto letter = std::find_if(hand.begin(), hand.end(), [&](char h) {
        return h != 0 && CapitalOf(h) == CapitalOf(reading[i]);
      });
      if (letter == hand.end() || !loose.Add({column, row})) {
        return;
      }
      cell = {*letter, 1};
      placed.push_back({{column, row}, *letter});
      *letter = 0;
    }
    boardReading.push_back(cell.Letter);
  }
  if (loose.Count() == 0 ||
      ReadLooseWord(tried, loose, position.Columns, position.Rows) != boardReading) {
    return;
  }
  const std::string committed = flipped ? ReverseText(boardReading) : boardReading;
  if (words.FindWord(committed) < 0 || (flipped && words.FindWord(boardReading) >= 0)) {
    return;
  }
  TWordMove move;
  move.Placed = std::move(placed);
  move.Word = committed;
  move.Flipped = flipped;
  move.Vertical = vertical;
  move.First = first;
  move.Score = WordScore(position.Letters, tried, loose);
  moves.Offer(std::move(move));
}

}  // namespace

std::vector<TWordMove> BestMovesByScan(const TWordsList& words, const TMovePosition& position,
                                       size_t count) {
  const int32_t columns = Clamped(position.Columns);
  const int32_t rows = Clamped(position.Rows);
  TBoard board = position.Board;
  for (auto& column : board) {
    for (TBoardCell& cell : column) {
      if (cell.IsLooseLetter()) {
        cell = {};
      }
    }
  }
  const bool anyFixed = !HasNoFixedLetters(board, columns, rows);
  const TCellPosition middle{columns / 2, rows / 2};
  const TMovePosition scanned{board, columns, rows, position.Hand, position.Letters};
  THandCapitals handCapitals{};
  for (size_t i = 0; i < std::min(position.Hand.size(), handCapitals.size()); ++i) {
    handCapitals[i] = CapitalOf(position.Hand[i]);
  }
  TMoveList moves(count);
  for (int32_t entry = 0; entry < words.Count(); ++entry) {
    const std::string word(words.Entry(entry));
    for (const bool flipped : {false, true}) {
      const std::string reading = flipped ? ReverseText(word) : word;
      for (const bool vertical : {false, true}) {
        const int32_t length = static_cast<int32_t>(reading.size());
        const int32_t lastColumn = vertical ? columns - 1 : columns - length;
        const int32_t lastRow = vertical ? rows - length : rows - 1;
        for (int32_t row = 0; row <= lastRow; ++row) {
          for (int32_t column = 0; column <= lastColumn; ++column) {
            const bool throughMiddle =
                vertical ? column == middle.Column && row <= middle.Row && middle.Row < row + length
                         : row == middle.Row && column <= middle.Column &&
                               middle.Column < column + length;
            if ((anyFixed || throughMiddle) &&
                EntryFits(scanned, handCapitals, reading, vertical, {column, row})) {
              TryEntryAt(words, scanned, reading, vertical, flipped, {column, row}, moves);
            }
          }
        }
      }
    }
  }
  return moves.Take();
}
