#include "Libraries/Install/KeptWords.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "Libraries/Error/FunStatContext.h"

#include "support/TestFolders.h"

namespace {

TEST(MergeAddedWords, WordsDifferingInCaseAreAddedOnceAndAListWithAByteZeroNever) {
  // \xE9 and \xC9 are small and capital e with acute in Windows-1252.
  EXPECT_EQ(MergeAddedWords("Caf\xE9\nzebra\rZEBRA\r\n\r\nyak", "CAF\xC9\nemu"),
            "CAF\xC9\nemu\r\nzebra\r\nyak\r\n");
  // A list holding a byte zero is left alone.
  const std::string binary("cat\0dog\r\n", 9);
  EXPECT_EQ(MergeAddedWords(binary, "emu\r\n"), "emu\r\n");
  EXPECT_EQ(MergeAddedWords("quiz\r\n", binary), binary);
}

TEST(MergeAddedWords, ThousandsOfWordsAreEachAppendedOnceAfterTheNewOnes) {
  std::string newList;
  std::string oldList;
  std::string expected;
  for (int i = 0; i < 3000; ++i) {
    newList += "new" + std::to_string(i) + "\r\n";
    oldList += "Old" + std::to_string(i) + "\nNEW" + std::to_string(i) + "\nOLD" +
               std::to_string(i) + "\n";
    expected += "Old" + std::to_string(i) + "\r\n";
  }
  EXPECT_EQ(MergeAddedWords(oldList, newList), newList + expected);
}

// A program folder with its dictionaries folder, as the installer finds it.
struct TInstalledFolder {
  TInstalledFolder() {
    std::filesystem::create_directories(Folder.File("GlyphmasonDictionaries/Lists"));
  }
  void Write(const std::string& name, const std::string& bytes) {
    Folder.Write("GlyphmasonDictionaries/" + name, bytes);
  }
  TTempFolder Folder;
};

TEST(KeepAddedWords, TheListsDictionariesNameKeepThePlayersWordsAndAreRecordedAsShipped) {
  TInstalledFolder installed;
  installed.Write("English.gmd", "[Main]\r\nFontName=Tahoma\r\n");
  installed.Write("English.txt", "cat\r\nQUIZZED\r\n");
  installed.Write("English-copyright.txt", "old notice\r\n");
  installed.Write("Mine.gmd", "[Main]\r\nWordsListName=Lists\\Own\r\n");
  installed.Write("Lists/Own.txt", "yak\r\n");
  installed.Write("Lists/.Own.txt.shipped", "yak\r\n");  // shipped as it is
  const TAddedWords added = CollectAddedWords(installed.Folder.Path());
  EXPECT_EQ(added, (TAddedWords{{"English.txt", "cat\r\nQUIZZED\r\n"}}));

  // The new release ships both lists; its English list records itself.
  TInstalledFolder source;
  source.Write("English.gmd", "[Main]\r\n");
  source.Write("English.txt", "cat\r\nemu\r\n");
  source.Write("Mine.gmd", "[Main]\r\nWordsListName=Lists\\Own\r\n");
  source.Write("Lists/Own.txt", "gnu\r\n");
  installed.Write("English.txt", "cat\r\nemu\r\n");
  installed.Write("Lists/Own.txt", "gnu\r\n");
  KeepAddedWords(installed.Folder.Path(), source.Folder.Path(), added);
  EXPECT_FALSE(GlobalFunStat.Failed());
  EXPECT_EQ(installed.Folder.Read("GlyphmasonDictionaries/English.txt"),
            "cat\r\nemu\r\nQUIZZED\r\n");
  EXPECT_EQ(installed.Folder.Read("GlyphmasonDictionaries/Lists/Own.txt"), "gnu\r\n");
  EXPECT_EQ(installed.Folder.Read("GlyphmasonDictionaries/English-copyright.txt"),
            "old notice\r\n");
  // The next reinstall finds only the player's word.
  EXPECT_EQ(CollectAddedWords(installed.Folder.Path()),
            (TAddedWords{{"English.txt", "QUIZZED\r\n"}}));
}

}  // namespace
