#include "game/WordRule.h"

#include <algorithm>

#include "Libraries/Text/Translation.h"

namespace {

bool IsOccupied(const TBoard& board, int32_t column, int32_t row) {
  return IsInBoardArray(column, row) && !board[column][row].IsEmpty();
}

// One line of squares, a row or a column, addressed along the word and
// across it, so that both directions share one reading.
struct TLine {
  const TBoard& Board;
  bool Vertical;
  int32_t Fixed;  // the row of a horizontal line, the column of a vertical one

  const TBoardCell& At(int32_t along) const {
    return Vertical ? Board[Fixed][along] : Board[along][Fixed];
  }
  bool OccupiedBeside(int32_t along, int32_t side) const {
    return Vertical ? IsOccupied(Board, Fixed + side, along) : IsOccupied(Board, along, Fixed + side);
  }
};

int32_t OccupiedNeighbours(const TBoard& board, TCellPosition p, bool vertical) {
  return vertical ? IsOccupied(board, p.Column, p.Row - 1) + IsOccupied(board, p.Column, p.Row + 1)
                  : IsOccupied(board, p.Column - 1, p.Row) + IsOccupied(board, p.Column + 1, p.Row);
}

// Reads the line from the loose letters outwards; empty text, with the
// problem named, when a loose letter touches a letter across the line or a
// square of the word is empty.
std::string ReadLine(const TLine& line, const TLooseLetterList& loose, bool& holdsFixedLetter,
                     TWordProblem& problem) {
  int32_t lo = kMaxBoardSize;
  int32_t hi = -1;
  for (int32_t i = 0; i < loose.Count(); ++i) {
    const int32_t along = line.Vertical ? loose[i].Row : loose[i].Column;
    lo = std::min(lo, along);
    hi = std::max(hi, along);
    if (line.OccupiedBeside(along, -1) || line.OccupiedBeside(along, +1)) {
      problem = TWordProblem::TouchesAcross;
      return {};
    }
  }
  while (lo - 1 >= 0 && !line.At(lo - 1).IsEmpty()) {
    --lo;
  }
  while (hi + 1 < kMaxBoardSize && !line.At(hi + 1).IsEmpty()) {
    ++hi;
  }
  std::string word;
  word.reserve(static_cast<size_t>(hi - lo + 1));
  holdsFixedLetter = false;
  for (int32_t along = lo; along <= hi; ++along) {
    const TBoardCell& cell = line.At(along);
    if (cell.IsEmpty()) {
      problem = TWordProblem::Gap;
      return {};
    }
    holdsFixedLetter = holdsFixedLetter || cell.IsFixedLetter();
    word.push_back(cell.Letter);
  }
  return word;
}

}  // namespace

bool HasNoFixedLetters(const TBoard& board, int32_t columns, int32_t rows) {
  columns = std::clamp(columns, 0, kMaxBoardSize);
  rows = std::clamp(rows, 0, kMaxBoardSize);
  for (int32_t column = 0; column < columns; ++column) {
    for (int32_t row = 0; row < rows; ++row) {
      if (board[column][row].IsFixedLetter()) {
        return false;
      }
    }
  }
  return true;
}

TLooseWordReading ReadLooseWordWithProblem(const TBoard& board, const TLooseLetterList& loose,
                                           int32_t columns, int32_t rows) {
  const int32_t count = loose.Count();
  if (count == 0) {
    return {{}, TWordProblem::NoLooseLetters};
  }
  const TCellPosition first = loose[0];
  bool sameColumn = true;
  bool sameRow = true;
  for (int32_t i = 1; i < count; ++i) {
    sameColumn = sameColumn && loose[i].Column == first.Column;
    sameRow = sameRow && loose[i].Row == first.Row;
  }
  if (!sameColumn && !sameRow) {
    return {{}, TWordProblem::NotInOneLine};
  }

  bool vertical = sameColumn;
  if (count == 1) {
    const int32_t above = OccupiedNeighbours(board, first, true);
    const int32_t beside = OccupiedNeighbours(board, first, false);
    if (above + beside == 0) {
      return {{}, TWordProblem::LoneLetter};
    }
    if (above + beside > 1) {
      return {{}, TWordProblem::LetterBetweenLetters};
    }
    vertical = above == 1;
  }

  const TLine line{board, vertical, vertical ? first.Column : first.Row};
  bool holdsFixedLetter = false;
  TWordProblem problem = TWordProblem::None;
  std::string word = ReadLine(line, loose, holdsFixedLetter, problem);
  if (word.empty()) {
    return {{}, problem};
  }
  // Only a game's first word may stand alone.
  if (!holdsFixedLetter && !HasNoFixedLetters(board, columns, rows)) {
    return {{}, TWordProblem::NotThroughFixedLetter};
  }
  return {std::move(word), TWordProblem::None};
}

std::string ReadLooseWord(const TBoard& board, const TLooseLetterList& loose, int32_t columns,
                          int32_t rows) {
  return ReadLooseWordWithProblem(board, loose, columns, rows).Word;
}

std::string WordProblemText(TWordProblem problem) {
  switch (problem) {
    case TWordProblem::NotInOneLine:
      //: Shown and spoken under the word buttons while they are disabled; it wraps
      return Translated("WordRule", "The loose letters are not in one row or one column.");
    case TWordProblem::LoneLetter:
      //: Shown and spoken under the word buttons while they are disabled; it wraps
      return Translated("WordRule", "One letter alone makes no word: put it next to a letter.");
    case TWordProblem::LetterBetweenLetters:
      //: Shown and spoken under the word buttons while they are disabled; it wraps
      return Translated("WordRule", "The letter touches letters on more than one side.");
    case TWordProblem::TouchesAcross:
      //: Shown and spoken under the word buttons while they are disabled; it wraps
      return Translated("WordRule", "A loose letter touches letters across the word.");
    case TWordProblem::Gap:
      //: Shown and spoken under the word buttons while they are disabled; it wraps
      return Translated("WordRule", "The loose letters leave a gap.");
    case TWordProblem::NotThroughFixedLetter:
      //: Shown and spoken under the word buttons while they are disabled; it wraps
      return Translated("WordRule",
                        "The word does not run through a letter already on the board.");
    case TWordProblem::None:
    case TWordProblem::NoLooseLetters:
      break;
  }
  return {};
}

bool CanPutWord(const std::string& word, int32_t looseCount) {
  return word.size() >= 2 && looseCount >= 1 && looseCount <= kMaxLooseLetters;
}
