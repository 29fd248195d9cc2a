#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "Libraries/Error/FunctionScope.h"
#include "Libraries/OperatingSystem/OperatingSystem.h"
#include "lexicon/WordsList.h"
#include "tests/support/TestFolders.h"

namespace {

using TLines = std::vector<std::string>;

TLines LinesOf(const std::string& bytes) {
  TWordsList list;
  list.ReadWordsListText(bytes);
  return list.Lines();
}

// Long enough for the clock that stamps files to tick on.
constexpr auto kPastFileClockTick = std::chrono::milliseconds(50);

}  // namespace

TEST(WordsListLines, LineBreaksEmptyLinesAndByteZero) {
  EXPECT_EQ(LinesOf("one\r\ntwo\rthree\nfour"), (TLines{"one", "two", "three", "four"}));
  EXPECT_EQ(LinesOf("a\n\rb\r\r\nc"), (TLines{"a", "", "b", "", "c"}));
  EXPECT_EQ(LinesOf("dog\r\n\r\n Cat \r\n"), (TLines{"dog", "", " Cat "}));
  EXPECT_EQ(LinesOf("dog\r\ncat"), LinesOf("dog\r\ncat\r\n"));
  EXPECT_EQ(LinesOf("\r\n"), (TLines{""}));
  EXPECT_EQ(LinesOf(""), TLines{});
  EXPECT_EQ(LinesOf(std::string("dog\r\nca\0t\r\nsea", 14)), (TLines{"dog", "ca"}));
}

TEST(WordsListLines, EveryLineLengthWithEveryBreakAndAMegabyteLine) {
  for (const std::string lineBreak : {"\r\n", "\r", "\n"}) {
    std::string bytes;
    TLines expected;
    for (size_t length = 0; length <= 20; ++length) {
      expected.emplace_back(length, static_cast<char>('a' + length));
      bytes += expected.back() + lineBreak;
    }
    EXPECT_EQ(LinesOf(bytes), expected);
    bytes.resize(bytes.size() - lineBreak.size());
    EXPECT_EQ(LinesOf(bytes), expected);
  }
  TWordsList list;
  list.ReadWordsListText("a\r" + std::string(1 << 20, 'x') + "\rb");
  EXPECT_EQ(list.Count(), 3);
  EXPECT_EQ(list.FindWord(std::string(1 << 20, 'X')), 1);
}

TEST(FindWord, FirstEntryEqualWithoutRegardToCase) {
  TWordsList list;
  // dog, ÉLAN, façade, ŠKODA, ÿes and repeats, in Windows-1252.
  list.ReadWordsListText("dog\r\n\xC9LAN\r\nfa\xE7" "ade\r\n\x8AKODA\r\n\xFF" "es\r\nDOG\r\n\r\n");
  EXPECT_EQ(list.FindWord("dOG"), 0);
  EXPECT_EQ(list.FindWord("\xE9lan"), 1);
  EXPECT_EQ(list.FindWord("FA\xC7" "ADE"), 2);
  EXPECT_EQ(list.FindWord("\x9Akoda"), 3);
  EXPECT_EQ(list.FindWord("\x9F" "ES"), 4);
  EXPECT_EQ(list.FindWord(""), 6);
  EXPECT_EQ(list.FindWord("dogs"), -1);
  // The index agrees with the entry-by-entry comparison for every byte.
  std::string bytes;
  for (int byte = 1; byte < 256; ++byte) {
    bytes += std::string("w") + static_cast<char>(byte) + "\n";
  }
  list.ReadWordsListText(bytes);
  for (int byte = 0; byte < 256; ++byte) {
    const std::string word = std::string("W") + static_cast<char>(byte);
    EXPECT_EQ(list.FindWord(word), list.FindWordByScan(word)) << byte;
  }
}

TEST(FindWord, AListReadAgainIsLookedUpInItsNewEntriesOnly) {
  TWordsList list;
  list.ReadWordsListText("emu\r\ncat\r\n");
  EXPECT_EQ(list.FindWord("CAT"), 1);
  list.ReadWordsListText("cat\r\nelk\r\n");
  EXPECT_EQ(list.FindWord("CAT"), 0);
  EXPECT_EQ(list.FindWord("emu"), -1);
  list.ReadWordsListText("");
  EXPECT_EQ(list.FindWord("cat"), -1);
  list.AddWord("Cat");
  EXPECT_EQ(list.FindWord("cat"), 0);
}

TEST(AddWord, AppendsAndKeepsTheIndexInStep) {
  TWordsList list;
  list.ReadWordsListText("cat\r\nsea");
  for (int i = 0; i < 5000; ++i) {
    list.AddWord("word" + std::to_string(i));
  }
  list.AddWord("CAT");
  EXPECT_EQ(list.Count(), 5003);
  EXPECT_EQ(list.Entry(5002), "CAT");
  EXPECT_EQ(list.FindWord("cat"), 0);
  EXPECT_EQ(list.FindWord("WORD4999"), 5001);
  EXPECT_EQ(list.FindWord("word5000"), -1);
}

TEST(AddWord, AWordAddedAfterAnyLastLineStandsOnItsOwnLine) {
  TTempFolder folder;
  const std::string path = folder.File("English.txt");
  for (const std::string text : {"cat", "cat\r", "cat\n", "cat\r\n", "cat\r\n\r\n", "", "\r\n"}) {
    TWordsList list;
    list.ReadWordsListText(text);
    TLines expected = list.Lines();
    list.AddWord("sea");
    list.AddWord("");
    list.AddWord("Sun");
    expected.insert(expected.end(), {"sea", "", "Sun"});
    EXPECT_EQ(list.Lines(), expected) << text;
    EXPECT_EQ(list.FindWord("SUN"), list.Count() - 1) << text;
    list.SaveWordsListFile(path);
    TWordsList again;
    again.LoadWordsListFile(path);
    EXPECT_EQ(again.Lines(), expected) << text;
  }
  TWordsList list;
  EXPECT_THROW(list.AddWord("two\nwords"), TRaisedError);
  EXPECT_THROW(list.AddWord("cat\r"), TRaisedError);
  EXPECT_EQ(list.Count(), 0);
}

TEST(FindWord, AListThatBeginsWithOneWordRepeatedFindsEveryLaterWord) {
  // The index is sized by the first lines; the different words after them
  // make it grow.
  std::string bytes;
  for (int i = 0; i < 6000; ++i) {
    bytes += "k\r\n";
  }
  for (int i = 0; i < 30000; ++i) {
    bytes += "w" + std::to_string(i) + "\n";
  }
  TWordsList list;
  list.ReadWordsListText(bytes);
  EXPECT_EQ(list.Count(), 36000);
  EXPECT_EQ(list.FindWord("K"), 0);
  for (int i = 0; i < 30000; i += 7) {
    EXPECT_EQ(list.FindWord("W" + std::to_string(i)), 6000 + i) << i;
  }
  EXPECT_EQ(list.FindWord("w30000"), -1);
}

TEST(WordsListFile, UnreadableFileRaisesIntoTheCallersContextAndKeepsTheList) {
  TTempFolder folder;
  TWordsList list;
  list.AddWord("kept");
  const bool loaded = PassingFunction("TGlyphmasonForm::LoadDictionary", [&](TFunScope&) {
    list.LoadWordsListFile(folder.File("missing.txt"));
    return true;
  });
  EXPECT_FALSE(loaded);
  EXPECT_TRUE(GlobalFunStat.Failed());
  GlobalFunStat.Reset(fsPerfect);
  EXPECT_EQ(list.FindWord("kept"), 0);
}

TEST(WordsListFile, FailedSaveRaisesAndLeavesTheOldFileAlone) {
  TTempFolder folder;
  const std::string path = folder.Write("English.txt", "dog\r\ncat\r\n");
  TWordsList list;
  for (int i = 0; i < 1000; ++i) {
    list.AddWord("word" + std::to_string(i));
  }
  Os::InjectWriteFailureForTesting(100);
  EXPECT_THROW(list.SaveWordsListFile(path), TRaisedError);
  Os::InjectWriteFailureForTesting(-1);
  EXPECT_EQ(folder.Read("English.txt"), "dog\r\ncat\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
  EXPECT_THROW(list.SaveWordsListFile(folder.File("no folder/English.txt")), TRaisedError);
}

TEST(WordsListFile, AListCutByAByteZeroRefusesToBeWrittenUntilReadWhole) {
  TTempFolder folder;
  const std::string path = folder.Write("English.txt", std::string("dog\r\n\0cat\r\n", 11));
  TWordsList list;
  list.LoadWordsListFile(path);
  EXPECT_FALSE(list.HeldWhole());
  list.AddWord("sea");
  EXPECT_THROW(list.SaveWordsListFile(path), TRaisedError);
  EXPECT_EQ(folder.Read("English.txt"), std::string("dog\r\n\0cat\r\n", 11));
  list.ReadWordsListText("dog\r\n");
  EXPECT_TRUE(list.HeldWhole());
  list.SaveWordsListFile(path);
  EXPECT_EQ(folder.Read("English.txt"), "dog\r\n");
}

TEST(WordsListFile, AFileHoldsTheListOnlyWithEveryByteAsTheSaveWouldWriteIt) {
  TTempFolder folder;
  TWordsList list;
  list.ReadWordsListText("dog\ncat\r\n\r\nemu");
  EXPECT_FALSE(list.FileHoldsList(folder.File("missing.txt")));
  EXPECT_FALSE(list.FileHoldsList(folder.Path()));
  // The same lines with other line breaks, or one letter changed, differ.
  EXPECT_FALSE(list.FileHoldsList(folder.Write("a.txt", "dog\ncat\n\nemu\n")));
  EXPECT_FALSE(list.FileHoldsList(folder.Write("b.txt", "dog\r\ncat\r\n\r\nemU\r\n")));
  EXPECT_FALSE(list.FileHoldsList(folder.Write("c.txt", "dog\r\ncat\r\n\r\nemu\r\nx")));
  EXPECT_FALSE(list.FileHoldsList(folder.Write("d.txt", "dog\r\ncat\r\n\r\nemu\n\r")));
  EXPECT_TRUE(list.FileHoldsList(folder.Write("e.txt", "dog\r\ncat\r\n\r\nemu\r\n")));
  list.SaveWordsListFile(folder.File("f.txt"));
  EXPECT_TRUE(list.FileHoldsList(folder.File("f.txt")));
  // Written there, then changed on the disk: the change is seen.
  folder.Write("f.txt", "dog\r\ncat\r\n\r\nemU\r\n");
  std::filesystem::last_write_time(
      folder.File("f.txt"),
      std::filesystem::last_write_time(folder.File("f.txt")) + std::chrono::seconds(5));
  EXPECT_FALSE(list.FileHoldsList(folder.File("f.txt")));
  list.SaveWordsListFile(folder.File("f.txt"));
  list.AddWord("elk");
  EXPECT_FALSE(list.FileHoldsList(folder.File("f.txt")));
}

TEST(WordsListFile, AListFileDeletedAndWrittenAgainWithItsOldSizeAndTimeDiffers) {
  TTempFolder folder;
  TWordsList list;
  list.ReadWordsListText("dog\r\ncat\r\n");
  const std::string path = folder.File("f.txt");
  // Rewritten at once, then after the file clock has ticked on past each step.
  for (const bool wait : {false, true}) {
    list.SaveWordsListFile(path);
    if (wait) {
      std::this_thread::sleep_for(kPastFileClockTick);
      ASSERT_TRUE(list.FileHoldsList(path));
      std::this_thread::sleep_for(kPastFileClockTick);
    }
    const auto time = std::filesystem::last_write_time(path);
    std::filesystem::remove(path);
    folder.Write("f.txt", "dog\r\ncow\r\n");
    std::filesystem::last_write_time(path, time);
    EXPECT_FALSE(list.FileHoldsList(path)) << wait;
  }
}
