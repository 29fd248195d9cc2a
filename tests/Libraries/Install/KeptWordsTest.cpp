#include "Libraries/Install/KeptWords.h"

#include <gtest/gtest.h>

#include "support/TestFolders.h"

namespace {

TEST(MergeAddedWords, TheNewVersionsWordsComeInAndThePlayersStay) {
  EXPECT_EQ(MergeAddedWords("cat\r\ndog\r\nQUIZZED\r\n", "cat\r\ndog\r\nemu\r\n"),
            "cat\r\ndog\r\nemu\r\nQUIZZED\r\n");
}

TEST(MergeAddedWords, WordsDifferingOnlyInCaseAreTheSameWordAndAreAddedOnce) {
  // \xE9 and \xC9 are small and capital e with acute in Windows-1252.
  EXPECT_EQ(MergeAddedWords("Caf\xE9\nzebra\rZEBRA\r\n\r\nyak", "CAF\xC9\nemu"),
            "CAF\xC9\nemu\r\nzebra\r\nyak\r\n");
}

TEST(MergeAddedWords, AListHoldingAByteZeroIsLeftAlone) {
  const std::string binary("cat\0dog\r\n", 9);
  EXPECT_EQ(MergeAddedWords(binary, "emu\r\n"), "emu\r\n");
  EXPECT_EQ(MergeAddedWords("quiz\r\n", binary), binary);
}

TEST(KeepAddedWords, OnlyWordsListsThatWereThereBeforeAreMerged) {
  TTempFolder folder;
  folder.Write("English.txt", "cat\r\nQUIZZED\r\n");
  folder.Write("Readme.TXT", "old read-me\r\n");
  folder.Write("English.gmd", "[Dictionary]\r\n");
  const auto before = ReadWordsLists(folder.Path());
  EXPECT_EQ(before.size(), 2u);
  folder.Write("English.txt", "cat\r\nemu\r\n");
  KeepAddedWords(folder.Path(), before);
  EXPECT_EQ(folder.Read("English.txt"), "cat\r\nemu\r\nQUIZZED\r\n");
}

}  // namespace
