#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "Libraries/Error/FunctionScope.h"
#include "Libraries/OperatingSystem/OperatingSystem.h"
#include "dictionary/WordsList.h"
#include "tests/support/TestFolders.h"

namespace {

std::vector<std::string> LinesOf(const std::string& bytes) {
  TWordsList list;
  list.ReadWordsListText(bytes);
  return list.Lines();
}

using TLines = std::vector<std::string>;

}  // namespace

TEST(WordsListLines, CrLfCrAndLfAllEndALine) {
  EXPECT_EQ(LinesOf("one\r\ntwo\rthree\nfour"), (TLines{"one", "two", "three", "four"}));
  EXPECT_EQ(LinesOf("a\n\rb"), (TLines{"a", "", "b"}));  // LF then CR: two breaks
  EXPECT_EQ(LinesOf("a\r\r\nb"), (TLines{"a", "", "b"}));
}

TEST(WordsListLines, FinalLineBreakMakesNoEmptyEntry) {
  EXPECT_EQ(LinesOf("dog\r\ncat"), LinesOf("dog\r\ncat\r\n"));
  EXPECT_EQ(LinesOf("dog\r\ncat\r"), (TLines{"dog", "cat"}));
  EXPECT_EQ(LinesOf(""), TLines{});
  EXPECT_EQ(LinesOf("\r\n"), (TLines{""}));
  EXPECT_EQ(LinesOf("dog\r\n\r\n"), (TLines{"dog", ""}));
}

TEST(WordsListLines, EmptyLinesAreEntriesAndEntriesStayAsRead) {
  TWordsList list;
  list.ReadWordsListText("Sea\r\n\r\n  dog \r\nsea\r\n");
  EXPECT_EQ(list.Lines(), (TLines{"Sea", "", "  dog ", "sea"}));
  EXPECT_EQ(list.Count(), 4);
  EXPECT_EQ(list.Entry(4), "");
  EXPECT_EQ(list.Entry(-1), "");
}

TEST(WordsListLines, ByteZeroEndsTheText) {
  EXPECT_EQ(LinesOf(std::string("dog\r\nca\0t\r\nsea\r\n", 15)), (TLines{"dog", "ca"}));
  EXPECT_EQ(LinesOf(std::string("\0dog", 4)), TLines{});
}

TEST(WordsListLines, VeryLongLinesAndLoneCarriageReturns) {
  const std::string longLine(1 << 20, 'x');
  TWordsList list;
  list.ReadWordsListText("a\r" + longLine + "\rb\r\r");
  ASSERT_EQ(list.Count(), 4);
  EXPECT_EQ(list.Entry(1).size(), longLine.size());
  EXPECT_EQ(list.Entry(3), "");
  EXPECT_EQ(list.FindWord(std::string(1 << 20, 'X')), 1);
}

TEST(WordsListLines, BreaksAtEveryPositionOfAnEightByteChunk) {
  // Lines of every length from 0 to 20 with each kind of line break.
  for (const std::string lineBreak : {"\r\n", "\r", "\n"}) {
    std::string bytes;
    TLines expected;
    for (size_t length = 0; length <= 20; ++length) {
      expected.push_back(std::string(length, static_cast<char>('a' + length)));
      bytes += expected.back() + lineBreak;
    }
    EXPECT_EQ(LinesOf(bytes), expected);
    bytes.resize(bytes.size() - lineBreak.size());
    EXPECT_EQ(LinesOf(bytes), expected);
  }
}

TEST(FindWord, IgnoresLetterCaseOfWindows1252Letters) {
  TWordsList list;
  // "ÉLAN", "façade", "ŠKODA", "ÿes" in Windows-1252.
  list.ReadWordsListText("dog\r\n\xC9LAN\r\nfa\xE7" "ade\r\n\x8AKODA\r\n\xFF" "es\r\n");
  EXPECT_EQ(list.FindWord("DOG"), 0);
  EXPECT_EQ(list.FindWord("dOg"), 0);
  EXPECT_EQ(list.FindWord("\xE9lan"), 1);
  EXPECT_EQ(list.FindWord("FA\xC7" "ADE"), 2);
  EXPECT_EQ(list.FindWord("\x9Akoda"), 3);
  EXPECT_EQ(list.FindWord("\x9F" "ES"), 4);
  EXPECT_EQ(list.FindWord("dogs"), -1);
  EXPECT_EQ(list.FindWord("do"), -1);
  EXPECT_EQ(list.FindWord(""), -1);
}

TEST(FindWord, GivesTheFirstOfEqualEntries) {
  TWordsList list;
  list.ReadWordsListText("cat\r\nDOG\r\ndog\r\n\r\nDog\r\n\r\n");
  EXPECT_EQ(list.FindWord("dog"), 1);
  EXPECT_EQ(list.FindWord(""), 3);
  list.AddWord("CAT");
  EXPECT_EQ(list.FindWord("cat"), 0);
}

TEST(FindWord, AgreesWithTheEntryByEntryScanForEveryByte) {
  // Every byte value, in small and capital pairs where the code page has them.
  TWordsList list;
  std::string bytes;
  for (int byte = 1; byte < 256; ++byte) {
    if (byte != '\r' && byte != '\n') {
      bytes += std::string("w") + static_cast<char>(byte) + "\r\n";
    }
  }
  list.ReadWordsListText(bytes);
  for (int byte = 0; byte < 256; ++byte) {
    for (const std::string& word : {std::string("w") + static_cast<char>(byte),
                                    std::string("W") + static_cast<char>(byte) + "long word"}) {
      EXPECT_EQ(list.FindWord(word), list.FindWordByScan(word)) << byte;
    }
  }
}

TEST(AddWord, AppendsAndKeepsTheIndexInStep) {
  TWordsList list;
  EXPECT_EQ(list.FindWord("dog"), -1);
  // Enough words to grow the index several times.
  for (int i = 0; i < 5000; ++i) {
    list.AddWord("word" + std::to_string(i));
  }
  list.AddWord("dog");
  EXPECT_EQ(list.Count(), 5001);
  EXPECT_EQ(list.Entry(5000), "dog");
  EXPECT_EQ(list.FindWord("DOG"), 5000);
  for (int i = 0; i < 5000; i += 7) {
    EXPECT_EQ(list.FindWord("WORD" + std::to_string(i)), i);
  }
  EXPECT_EQ(list.FindWord("word5000"), -1);
}

TEST(AddWord, AfterLoadingFindsBothOldAndNewWords) {
  TWordsList list;
  list.ReadWordsListText("cat\r\nsea");
  list.AddWord("zebra");
  EXPECT_EQ(list.Lines(), (TLines{"cat", "sea", "zebra"}));
  EXPECT_EQ(list.FindWord("SEA"), 1);
  EXPECT_EQ(list.FindWord("Zebra"), 2);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.FindWord("cat"), -1);
}

TEST(WordsListFile, LoadsTheLinesOfTheFile) {
  TTempFolder folder;
  TWordsList list;
  list.AddWord("stale");
  list.LoadWordsListFile(folder.Write("English.txt", "dog\r\n\r\ncat\r\n"));
  EXPECT_EQ(list.Lines(), (TLines{"dog", "", "cat"}));
  EXPECT_EQ(list.FindWord("stale"), -1);
  EXPECT_EQ(WordsCountText(list.Count(), false), "There are 3 words in the words list.");
}

TEST(WordsListFile, UnreadableFileRaisesAndLeavesTheList) {
  TTempFolder folder;
  TWordsList list;
  list.AddWord("kept");
  EXPECT_THROW(list.LoadWordsListFile(folder.File("missing.txt")), TRaisedError);
  EXPECT_EQ(list.Lines(), (TLines{"kept"}));
  EXPECT_EQ(list.FindWord("kept"), 0);

  // The caller's status context reports the failure.
  const bool loaded = PassingFunction("TGlyphmasonForm::LoadDictionary", [&](TFunScope&) {
    list.LoadWordsListFile(folder.File("missing.txt"));
    return true;
  });
  EXPECT_FALSE(loaded);
  EXPECT_TRUE(GlobalFunStat.Failed());
  GlobalFunStat.Reset(fsPerfect);
}

TEST(WordsListFile, SavesEveryEntryWithCrLf) {
  TTempFolder folder;
  const std::string path = folder.Write("English.txt", "dog\n\rcat");
  TWordsList list;
  list.LoadWordsListFile(path);
  list.AddWord("zebra");
  list.SaveWordsListFile(path);
  EXPECT_EQ(folder.Read("English.txt"), "dog\r\n\r\ncat\r\nzebra\r\n");
  TWordsList again;
  again.LoadWordsListFile(path);
  EXPECT_EQ(again.Lines(), list.Lines());
}

TEST(WordsListFile, FailedSaveRaisesAndLeavesTheOldFile) {
  TTempFolder folder;
  const std::string path = folder.Write("English.txt", "dog\r\ncat\r\n");
  TWordsList list;
  list.LoadWordsListFile(path);
  for (int i = 0; i < 1000; ++i) {
    list.AddWord("word" + std::to_string(i));
  }
  Os::InjectWriteFailureForTesting(100);
  EXPECT_THROW(list.SaveWordsListFile(path), TRaisedError);
  Os::InjectWriteFailureForTesting(-1);
  EXPECT_EQ(folder.Read("English.txt"), "dog\r\ncat\r\n");
  EXPECT_EQ(list.Count(), 1002);
  // No temporary file is left beside it.
  size_t files = 0;
  for ([[maybe_unused]] const auto& file : std::filesystem::directory_iterator(folder.Path())) {
    ++files;
  }
  EXPECT_EQ(files, 1u);
  EXPECT_THROW(list.SaveWordsListFile(folder.File("no such folder/English.txt")), TRaisedError);
}

TEST(WordsListFile, LargeFileOfRepeatedLinesLoads) {
  // 32 MB in lines of a few repeated words, with all three line breaks
  // (the index stays small however many lines repeat).
  TTempFolder folder;
  const std::string block = "alpha\r\nbeta\rgamma\ndelta\r\n";
  std::string bytes;
  bytes.reserve(32u << 20);
  while (bytes.size() + block.size() <= (32u << 20)) {
    bytes += block;
  }
  const size_t blocks = bytes.size() / block.size();
  const std::string path = folder.Write("Large.txt", bytes);
  bytes.clear();
  bytes.shrink_to_fit();

  TWordsList list;
  list.LoadWordsListFile(path);
  EXPECT_EQ(static_cast<size_t>(list.Count()), blocks * 4);
  EXPECT_EQ(list.FindWord("GAMMA"), 2);
  EXPECT_EQ(list.Entry(list.Count() - 1), "delta");
}

TEST(WordsCount, LabelTellsWhetherWordsWereAdded) {
  EXPECT_EQ(WordsCountText(3, false), "There are 3 words in the words list.");
  EXPECT_EQ(WordsCountText(1200, true), "There are 1200 words in the words list; new words.");
  EXPECT_EQ(WordsCountText(0, false), "There are 0 words in the words list.");
}
