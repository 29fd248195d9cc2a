#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <ostream>
#include <random>
#include <set>

#include "Libraries/Text/Cp1252.h"
#include "game/Referee.h"
#include "game/Suggestion.h"
#include "game/WordFinder.h"
#include "tests/game/RecordingDisplay.h"

void PrintTo(const TWordMove& move, std::ostream* out) {
  *out << (move.Flipped ? "flipped " : "") << (move.Vertical ? "column " : "row ") << move.Word
       << " at (" << move.First.Column << ", " << move.First.Row << ") scoring " << move.Score
       << " with " << move.Placed.size() << " letters";
}

namespace {

// Capitals with one German letter and one without a capital.
const std::string kAlphabet = "ABDENRST\xC4\xDF";

char SmallOf(char letter) {
  const auto byte = static_cast<unsigned char>(letter);
  return byte == 0xDF ? letter : static_cast<char>(byte + 0x20);
}

// A random position: a board of 10 or 11 squares a side built from words of the list
// laid across each other (or empty), a few stray and loose letters, a stock.
struct TRandomPosition {
  explicit TRandomPosition(std::mt19937& random) : Random(random) {
    for (size_t i = 0; i < kAlphabet.size(); ++i) {
      Letters.Alphabet[i] = kAlphabet[i];
      Letters.LetterScores[i] = Pick(1, 10);
    }
    for (int32_t& bonus : Letters.LengthScores) {
      bonus = Pick(0, 15);
    }
    std::string text;
    for (int i = 0; i < 160; ++i) {
      for (int length = Pick(2, 5); length > 0; --length) {
        const char letter = kAlphabet[static_cast<size_t>(Pick(0, 9))];
        text.push_back(Pick(0, 1) == 0 ? letter : SmallOf(letter));
      }
      text += "\r\n";
    }
    Words.ReadWordsListText(text);
    Columns = Pick(10, 11);
    Rows = Pick(10, 11);
    if (Pick(0, 4) != 0) {
      LayWords();
    }
    for (int loose = Pick(0, 2); loose > 0; --loose) {
      TBoardCell& cell = Board[Pick(0, Columns - 1)][Pick(0, Rows - 1)];
      if (cell.IsEmpty()) {
        cell = {'S', 1};  // loose letters count as empty squares
      }
    }
    for (int length = Pick(3, 7); length > 0; --length) {
      Hand.push_back(kAlphabet[static_cast<size_t>(Pick(0, 9))]);
    }
  }

  void LayWords() {
    for (int count = Pick(2, 8); count > 0; --count) {
      const std::string_view word = Words.Entry(Pick(0, Words.Count() - 1));
      const bool vertical = Pick(0, 1) == 0;
      const int32_t length = static_cast<int32_t>(word.size());
      int32_t column = Pick(0, Columns - (vertical ? 1 : length));
      int32_t row = Pick(0, Rows - (vertical ? length : 1));
      for (const char letter : word) {
        Board[column][row] = {UpperCaseCp1252(letter), 0};
        (vertical ? row : column) += 1;
      }
    }
    Board[Pick(0, Columns - 1)][Pick(0, Rows - 1)] = {'T', 0};
  }

  int32_t Pick(int32_t low, int32_t high) {
    return std::uniform_int_distribution<int32_t>(low, high)(Random);
  }
  TMovePosition Position() const { return {Board, Columns, Rows, Hand, Letters}; }

  std::mt19937& Random;
  TLetterData Letters;
  TWordsList Words;
  TBoard Board{};
  int32_t Columns = 0;
  int32_t Rows = 0;
  std::string Hand;
};

TEST(WordFinder, FindsWhatTryingEveryEntryEverywhereFinds) {
  constexpr size_t kAll = 100000;
  std::mt19937 random(13);
  int positionsWithMoves = 0;
  for (int i = 0; i < 210; ++i) {
    TRandomPosition scene(random);
    TWordFinder finder;
    const std::vector<TWordMove> moves = finder.BestMoves(scene.Words, scene.Position(), kAll);
    ASSERT_EQ(moves, BestMovesByScan(scene.Words, scene.Position(), kAll)) << "position " << i;
    const std::vector<TWordMove> best = finder.BestMoves(scene.Words, scene.Position(), 3);
    ASSERT_EQ(best, std::vector<TWordMove>(moves.begin(),
                                           moves.begin() + std::min<size_t>(3, moves.size())));
    positionsWithMoves += !moves.empty();
  }
  EXPECT_GT(positionsWithMoves, 180);
}

struct TSceneCase {
  std::vector<std::string> Rows;  // a picture of fixed letters
  std::string Words;
  std::string Hand;
  std::string Best;  // the best move as PrintTo shows it; empty for none
};

TEST(WordFinder, BestMoveOfAScene) {
  const TSceneCase cases[] = {
      // A lone S right of CAT reads CATS.
      {{"", " CAT"}, "cat\r\nCAT\r\ncats", "S", "row CATS at (1, 1) scoring 8 with 1 letters"},
      // T, A then C read CAT flipped; a placement that reads both ways is no flipped move.
      {{"", " TA"}, "cat", "C", "flipped row CAT at (1, 1) scoring 8 with 1 letters"},
      {{"", " TA"}, "cat\r\ntac", "C", "row TAC at (1, 1) scoring 8 with 1 letters"},
      // German and French letters compare without case.
      {{"", "\xC4"}, "\xE4pfel", "LEFP", "row \xC4PFEL at (0, 1) scoring 32 with 4 letters"},
      {{"", "", "   \xC9T\xC9"},
       "\xE9t\xE9s",
       "S",
       "row \xC9T\xC9S at (3, 2) scoring 8 with 1 letters"},
      // A letter may not touch another across the word; a later word must run
      // through a fixed letter.
      {{"   X", " CA"}, "cat\r\ncats", "TS", ""},
      {{"XX"}, "dog", "DOG", ""},
      // More letters win a tie in score, then the word first by its bytes.
      {{"", " A"}, "az\r\nats", "ZTS", "row ATS at (1, 1) scoring 16 with 2 letters"},
      {{"", " A"}, "zat\r\nazt", "ZT", "row AZT at (1, 1) scoring 24 with 2 letters"},
  };
  for (const TSceneCase& c : cases) {
    TGameScene scene;
    scene.Game.Letters.Alphabet[26] = '\xC4';
    scene.Game.Letters.LetterScores[25] = 16;  // Z, worth two letters
    scene.Picture(c.Rows);
    scene.Game.WordsListLines.ReadWordsListText(c.Words);
    const TMovePosition position{scene.Game.Board, 15, 15, c.Hand, scene.Game.Letters};
    const std::vector<TWordMove> best =
        scene.Game.WordFinder.BestMoves(scene.Game.WordsListLines, position, 1);
    EXPECT_EQ(best.empty() ? "" : ::testing::PrintToString(best[0]), c.Best) << c.Words;
  }
}

TEST(WordFinder, KeepsInStepWithAddedAndRemovedWordsAndNewLists) {
  TGameScene scene;
  TWordsList& words = scene.Game.WordsListLines;
  words.ReadWordsListText("cat\r\n");
  const TMovePosition position{scene.Game.Board, 15, 15, "DOG", scene.Game.Letters};
  TWordFinder& finder = scene.Game.WordFinder;
  // The words of every move, each once.
  const auto offered = [&](const TWordsList& list) {
    std::set<std::string> offers;
    for (const TWordMove& move : finder.BestMoves(list, position, 100)) {
      offers.insert(move.Word);
    }
    return offers;
  };
  EXPECT_TRUE(finder.BestMoves(words, position, 5).empty());
  const TWordsList asRead = words;
  words.AddWord("dog");
  EXPECT_EQ(finder.BestMoves(words, position, 1).at(0).Word, "DOG");
  // Added, taken back, added again.
  words.RemoveWord("dog");
  EXPECT_TRUE(finder.BestMoves(words, position, 5).empty());
  words.AddWord("dog");
  EXPECT_EQ(finder.BestMoves(words, position, 1).at(0).Word, "DOG");
  // Another word added to the list as read: as many entries, other words.
  TWordsList other = asRead;
  other.AddWord("god");
  EXPECT_EQ(offered(other), std::set<std::string>{"GOD"});
  // A new list of as many words as before is still a new list; a word
  // removed from it is no longer offered.
  words.ReadWordsListText("god\r\ndog\r\n");
  EXPECT_EQ(finder.BestMoves(words, position, 1).at(0).Word, "DOG");
  words.RemoveWord("dog");
  EXPECT_EQ(offered(words), std::set<std::string>{"GOD"});
  words.Clear();
  EXPECT_TRUE(finder.BestMoves(words, position, 5).empty());
}

// A stray loose letter taken back before the move is laid, the label and the
// commit of the suggested score are the golden game Suggestions'.
TEST(Suggestion, AMoveWhoseLettersWentElsewhereLaysNothing) {
  TGameScene scene;
  scene.Game.WordsListLines.ReadWordsListText("cat\r\ncats\r\n");
  scene.Picture({"", "", "", "", "", "", "", "   CAT"}).Stock("S");
  const std::optional<TWordMove> gone = FindSuggestion(scene.Game);
  ASSERT_TRUE(gone.has_value());
  // The S went elsewhere before the move was laid.
  scene.Stock("X").Game.GameModified = false;
  PlaceSuggestion(scene.Game, scene.Display, *gone);
  EXPECT_EQ(scene.Game.LooseLetterList.Count(), 0);
  EXPECT_EQ(scene.Game.StockLetter(0), 'X');
  EXPECT_FALSE(scene.Game.GameModified);
  EXPECT_EQ(scene.Display.ValidWord, "");
}

}  // namespace
