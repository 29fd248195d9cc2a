#include <gtest/gtest.h>

#include <algorithm>
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

TEST(WordsListLines, LineBreaksEmptyLinesByteZeroAndLongLines) {
  EXPECT_EQ(LinesOf("one\r\ntwo\rthree\nfour"), (TLines{"one", "two", "three", "four"}));
  EXPECT_EQ(LinesOf("a\n\rb\r\r\nc"), (TLines{"a", "", "b", "", "c"}));
  EXPECT_EQ(LinesOf("dog\r\n\r\n Cat \r\n"), (TLines{"dog", "", " Cat "}));
  EXPECT_EQ(LinesOf("\r\n"), (TLines{""}));
  EXPECT_EQ(LinesOf(""), TLines{});
  EXPECT_EQ(LinesOf(std::string("dog\r\nca\0t\r\nsea", 14)), (TLines{"dog", "ca"}));
  // Every line length with every break, and a megabyte line.
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
  // A list read again is looked up in its new entries only.
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

TEST(RemoveWord, TakesOutTheLastEntryEqualByteForByte) {
  TWordsList list;
  list.ReadWordsListText("cat\r\nDog\r\ndog\r\nemu");
  const uint64_t version = list.Version();
  EXPECT_FALSE(list.RemoveWord("DOG"));
  EXPECT_EQ(list.Version(), version);
  // An entry amid others: the later ones move up and are still found.
  EXPECT_TRUE(list.RemoveWord("dog"));
  EXPECT_NE(list.Version(), version);
  EXPECT_EQ(list.Lines(), (TLines{"cat", "Dog", "emu"}));
  EXPECT_EQ(list.FindWord("DOG"), 1);
  EXPECT_EQ(list.FindWord("EMU"), 2);
  EXPECT_TRUE(list.RemoveWord("Dog"));
  EXPECT_EQ(list.FindWord("dog"), -1);
  // The last line, which had no line break; a word added after it, taken
  // back and added again.
  EXPECT_TRUE(list.RemoveWord("emu"));
  list.AddWord("elk");
  EXPECT_TRUE(list.RemoveWord("elk"));
  EXPECT_EQ(list.FindWord("elk"), -1);
  list.AddWord("Elk");
  EXPECT_EQ(list.Lines(), (TLines{"cat", "Elk"}));
  EXPECT_EQ(list.FindWord("ELK"), 1);
  EXPECT_TRUE(list.RemoveWord("Elk"));
  EXPECT_TRUE(list.RemoveWord("cat"));
  EXPECT_EQ(list.Count(), 0);
  list.AddWord("sea");
  EXPECT_EQ(list.Lines(), TLines{"sea"});
}

TEST(RemoveWord, AddedWordsTakenBackInTurnLeaveEveryOtherWordFound) {
  // Every word added is found, at the first of its spellings, until it is
  // taken back.
  TWordsList list;
  list.ReadWordsListText("w\r\n");
  // New words, and other spellings of words added before them; the index
  // grows on the way, which puts its words in another order.
  std::vector<std::string> added;
  std::vector<int32_t> found;
  for (int i = 0; i < 600; ++i) {
    added.push_back(i % 5 == 4 ? "N" + std::to_string(i / 2) : "n" + std::to_string(i));
    list.AddWord(added.back());
    const auto first = std::find_if(added.begin(), added.end(), [&](const std::string& word) {
      return word.substr(1) == added.back().substr(1);
    });
    found.push_back(static_cast<int32_t>(first - added.begin()) + 1);
  }
  while (!added.empty()) {
    const std::string word = added.back();
    ASSERT_TRUE(list.RemoveWord(word));
    added.pop_back();
    // Another spelling before it is still found; otherwise none is.
    const int32_t first = found.back();
    found.pop_back();
    ASSERT_EQ(list.FindWord(word), first <= static_cast<int32_t>(added.size()) ? first : -1);
    for (size_t k = 0; k < added.size(); ++k) {
      ASSERT_EQ(list.FindWord(added[k]), found[k]) << added[k] << " after " << word;
    }
  }
  EXPECT_EQ(list.Lines(), TLines{"w"});
}

TEST(FindWord, AListThatBeginsWithOneWordRepeatedFindsEveryLaterWord) {
  // The index is sized by the first lines; the different words after them
  // make it grow.
  std::string bytes;
  for (int i = 0; i < 36000; ++i) {
    bytes += i < 6000 ? "k\r\n" : "w" + std::to_string(i - 6000) + "\n";
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

TEST(WordsListFile, FailuresRaiseIntoTheCallersContextAndKeepListAndFile) {
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
  // A failed save raises and leaves the old file alone.
  const std::string path = folder.Write("English.txt", "dog\r\ncat\r\n");
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

TEST(WordsListFile, AFileHoldsTheListOnlyWithEveryByteAsTheSaveWouldWriteIt) {
  TTempFolder folder;
  TWordsList list;
  list.ReadWordsListText("dog\ncat\r\n\r\nemu");
  EXPECT_FALSE(list.FileHoldsList(folder.File("missing.txt")));
  EXPECT_FALSE(list.FileHoldsList(folder.Path()));
  // The same lines with other line breaks, or one letter changed, differ.
  for (const std::string other : {"dog\ncat\n\nemu\n", "dog\r\ncat\r\n\r\nemU\r\n",
                                  "dog\r\ncat\r\n\r\nemu\r\nx", "dog\r\ncat\r\n\r\nemu\n\r"}) {
    EXPECT_FALSE(list.FileHoldsList(folder.Write("other.txt", other))) << other;
  }
  EXPECT_TRUE(list.FileHoldsList(folder.Write("e.txt", "dog\r\ncat\r\n\r\nemu\r\n")));
  const std::string f = folder.File("f.txt");
  list.SaveWordsListFile(f);
  EXPECT_TRUE(list.FileHoldsList(f));
  // Written there, then changed on the disk: the change is seen.
  folder.Write("f.txt", "dog\r\ncat\r\n\r\nemU\r\n");
  std::filesystem::last_write_time(f,
                                   std::filesystem::last_write_time(f) + std::chrono::seconds(5));
  EXPECT_FALSE(list.FileHoldsList(f));
  // Found there once settled, then a word taken back and another of its
  // length added.
  list.SaveWordsListFile(f);
  std::this_thread::sleep_for(kPastFileClockTick);
  ASSERT_TRUE(list.FileHoldsList(f));
  list.RemoveWord("emu");
  list.AddWord("elk");
  EXPECT_FALSE(list.FileHoldsList(f));
}
