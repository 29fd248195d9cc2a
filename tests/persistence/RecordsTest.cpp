#include "persistence/GameSummary.h"
#include "persistence/RecordEntry.h"
#include "persistence/Records.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <filesystem>

#include "Libraries/Error/FunStatContext.h"
#include "support/ErrorRecorder.h"
#include "support/TestFolders.h"

using namespace std::string_literals;

namespace {

TRecord Game(int32_t score, const std::string& word = "WORD") {
  return {"Monday, December 07, 2026 5:00:00 PM", score, 3, word, score / 2, 80, 0};
}

const std::string kTable = RecordTableName("English.gmd", 15, 15);

}  // namespace

TEST(RecordTables, KeepTheTenBestOfEachDictionaryAndSizeFirstAndMarkTheNewest) {
  TRecords records;
  EXPECT_EQ(records.Enter(kTable, Game(20)), 1);
  EXPECT_EQ(records.Enter(kTable, Game(50, "FIRST")), 1);
  EXPECT_EQ(records.Enter(kTable, Game(30)), 2);
  EXPECT_EQ(records.Enter(kTable, Game(50, "SECOND")), 2);  // a tie keeps the earlier first
  const TRecordTable* table = records.Find(kTable);
  ASSERT_NE(table, nullptr);
  ASSERT_EQ(table->Records.size(), 4u);
  EXPECT_EQ(table->Records[0].BestWord, "FIRST");
  EXPECT_EQ(table->Records[3].Score, 20);
  EXPECT_EQ(table->Newest, 2);
  // The eleventh game is dropped and a lower one never enters.
  for (int32_t score = 60; score <= 100; score += 10) {
    records.Enter(kTable, Game(score));
  }
  records.Enter(kTable, Game(10));
  EXPECT_EQ(records.Enter(kTable, Game(10)), 0);  // ties the tenth: stays out
  EXPECT_EQ(records.Find(kTable)->Newest, 10);
  EXPECT_EQ(records.Enter(kTable, Game(55)), 6);
  table = records.Find(kTable);
  ASSERT_EQ(table->Records.size(), kMaxRecords);
  EXPECT_EQ(table->Records.back().Score, 20);
  // Each dictionary and size has its own table.
  records.Enter(RecordTableName("English.gmd", 15, 16), Game(20));
  records.Enter(RecordTableName("German.gmd", 15, 15), Game(30));
  EXPECT_EQ(records.Tables.size(), 3u);
  EXPECT_EQ(records.Find(RecordTableName("English.gmd", 15, 16))->Records.size(), 1u);
  EXPECT_EQ(records.Find("German.gmd 15 x 15")->Records[0].Score, 30);
  EXPECT_EQ(records.Find("German.gmd 16 x 15"), nullptr);
}

TEST(RecordsText, RecordsSurviveTheirLineWithSeparatorsInTheWord) {
  TRecord record = Game(77, "A|B");
  TRecord read;
  ASSERT_TRUE(ParseRecordText(RecordText(record), read));
  EXPECT_EQ(read, record);
  for (const std::string bad :
       {"", "1|2|3|4|5|", "1|2|3|4|x|date|W", "-1|2|3|4|5|date|W", "1|2|3|4|5"}) {
    EXPECT_FALSE(ParseRecordText(bad, read)) << bad;
  }
}

class RecordsFileTest : public ::testing::Test {
 protected:
  std::string Path() const { return Folder.File(kRecordsFileName); }
  TRecords Some() const {
    TRecords records;
    records.Enter(kTable, Game(40));
    records.Enter(kTable, Game(60));
    records.Enter(RecordTableName("Dutch.gmd", 30, 10), Game(5));
    return records;
  }
  TRecordOutcome EndGame() {
    TGameFigures figures;
    figures.Turns = {{12, 12, 3, "CAT"}};
    return EnterGameInRecords(Path(), kTable, figures, "now");
  }
  // The names of the folder's files other than the records file.
  std::vector<std::string> OtherFiles() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(Folder.Path())) {
      if (entry.path().filename() != kRecordsFileName) {
        names.push_back(entry.path().filename().string());
      }
    }
    return names;
  }
  TTempFolder Folder;
  TErrorRecorder Errors;
};

TEST_F(RecordsFileTest, MissingEmptyOrMalformedFilesGiveEmptyTables) {
  EXPECT_TRUE(LoadRecordsFile(Path()).Tables.empty());
  for (const std::string& text : {""s, "\x00\xff[[]]=\r\n"s}) {
    Folder.Write(kRecordsFileName, text);
    EXPECT_TRUE(LoadRecordsFile(Path()).Tables.empty());
  }
  Folder.Write(kRecordsFileName,
               "[GlyphmasonRecords]\r\nTablesCount=3\r\nTable1=A 10 x 10\r\nTable2=\r\n"
               "Table3=A 10 x 10\r\n[A 10 x 10]\r\n1=5|1|2|0|5|d|OK\r\n2=garbage\r\n"
               "3=9|1|2|0|9|d|BEST\r\nNewest=7\r\n");
  const TRecords read = LoadRecordsFile(Path());
  ASSERT_EQ(read.Tables.size(), 1u);
  ASSERT_EQ(read.Tables[0].second.Records.size(), 2u);
  EXPECT_EQ(read.Tables[0].second.Records[0].BestWord, "BEST");
  EXPECT_EQ(read.Tables[0].second.Newest, 0);
  EXPECT_TRUE(Errors.Shown.empty());
}

// A folder in the place of the file reads empty and cannot be written; a
// link out of the folder is neither read nor followed.
TEST_F(RecordsFileTest, WhatIsNoFileOfTheFolderIsNeitherReadNorWritten) {
  ASSERT_EQ(::mkdir(Path().c_str(), 0755), 0);
  EXPECT_TRUE(LoadRecordsFile(Path()).Tables.empty());
  EXPECT_EQ(GlobalFunStat.Status, fsPerfect);
  EXPECT_FALSE(SaveRecordsFile(Path(), Some()));
  ASSERT_EQ(Errors.Shown.size(), 1u);
  EXPECT_EQ(Errors.Shown[0].Message, "Failed to save file.");
  std::filesystem::remove(Path());
  TTempFolder elsewhere;
  const std::string outside = elsewhere.Write("theirs.ini", "");
  ASSERT_TRUE(SaveRecordsFile(outside, Some()));
  const std::string outsideBytes = elsewhere.Read("theirs.ini");
  ASSERT_EQ(::symlink(outside.c_str(), Path().c_str()), 0);
  EXPECT_TRUE(LoadRecordsFile(Path()).Tables.empty());
  ASSERT_TRUE(SaveRecordsFile(Path(), TRecords{}));
  EXPECT_EQ(elsewhere.Read("theirs.ini"), outsideBytes);
}

TEST(GameSummaryText, NamesEveryFigureWhatTheRecordsMadeOfTheGameAndEachWordsScore) {
  TSummaryFacts facts;
  facts.FinalScore = 52;
  facts.LetterChangesUsed = 2;
  facts.Figures.Turns = {{10, 10, 2, "AB"}, {21, 30, 3, "ABC"}, {21, 21, 3, "CBA"}};
  facts.Figures.SuggestionsUsed = 1;
  facts.Outcome = {TRecordOutcome::Entered, 3, "English.gmd 10 x 10", "", ""};
  EXPECT_EQ(GameSummaryLines(facts),
            (std::vector<std::string>{"Final score: 52", "Words committed: 3", "Letters placed: 8",
                                      "Best word: \"ABC\", 21 points",
                                      "Average score per word: 17.3", "Letter changes used: 2",
                                      "Suggest word used: 1 time", "Par: 61, accuracy 85 %",
                                      "Records: place 3 of the ten best for English.gmd 10 x 10"}));
  facts.Outcome = {};
  EXPECT_EQ(GameSummaryLines(facts).size(), 8u);
  // The chart reads as each word's score beside the best possible.
  EXPECT_EQ(TurnChartLines({{12, 15, 3, "CAT"}, {1, 1, 1, "A"}}),
            (std::vector<std::string>{"Word 1, CAT: 12 points, best possible 15",
                                      "Word 2, A: 1 point, best possible 1"}));
  EXPECT_EQ(TurnChartLines({}), std::vector<std::string>{"No word was committed."});
}

TEST_F(RecordsFileTest, ARecordsFileThatCannotBeReadIsKeptBesideTheNewOne) {
  const std::string laterFormat = "[GlyphmasonRecords2]\r\nTables=1\r\n";
  // A byte 0 inside a record would lose every record after it.
  const std::string cutByByte0 =
      "[GlyphmasonRecords]\r\nTablesCount=1\r\nTable1=A 10 x 10\r\n[A 10 x 10]\r\n"
      "1=5|1|2|0|5|d|OK\0x\r\n2=9|1|2|0|9|d|B\r\n"s;
  const std::string tooManyTables = "[GlyphmasonRecords]\r\nTablesCount=10001\r\n";
  // One saved again as UTF-16 is the end-to-end game-end scenario's.
  for (const std::string& old : {laterFormat, cutByByte0, tooManyTables}) {
    std::filesystem::remove_all(Folder.Path());
    std::filesystem::create_directory(Folder.Path());
    Folder.Write(kRecordsFileName, old);
    const TRecordOutcome outcome = EndGame();
    EXPECT_EQ(outcome.Kind, TRecordOutcome::Entered);
    EXPECT_EQ(outcome.KeptUnreadableAs, "GlyphmasonRecords-unreadable-1.ini");
    EXPECT_EQ(OtherFiles(), std::vector<std::string>{outcome.KeptUnreadableAs});
    EXPECT_EQ(Folder.Read(outcome.KeptUnreadableAs), old);
    EXPECT_EQ(LoadRecordsFile(Path()).Find(kTable)->Records.size(), 1u);
    // Told once: the next game finds a file it reads.
    EXPECT_EQ(EndGame().KeptUnreadableAs, "");
  }
  TSummaryFacts facts;
  facts.Outcome = {TRecordOutcome::Entered, 1, kTable, "GlyphmasonRecords-unreadable-2.ini", ""};
  const std::vector<std::string> lines = GameSummaryLines(facts);
  EXPECT_EQ(std::vector<std::string>(lines.end() - 2, lines.end()),
            (std::vector<std::string>{"The old records file could not be read.",
                                      "It was kept as GlyphmasonRecords-unreadable-2.ini."}));
}

TEST_F(RecordsFileTest, AFileTooLargeToReadIsKeptAsItIs) {
  Folder.Write(kRecordsFileName, "");
  std::filesystem::resize_file(Path(), kMaxStoredTextBytes + 1);
  Folder.Write("GlyphmasonRecords-unreadable-1.ini", "the player's own");
  const TRecordOutcome outcome = EndGame();
  EXPECT_EQ(outcome.KeptUnreadableAs, "GlyphmasonRecords-unreadable-2.ini");
  EXPECT_EQ(std::filesystem::file_size(Folder.File(outcome.KeptUnreadableAs)),
            kMaxStoredTextBytes + 1);
  EXPECT_EQ(Folder.Read("GlyphmasonRecords-unreadable-1.ini"), "the player's own");
}

TEST_F(RecordsFileTest, AnEmptyFileOrAGameThatMayNotEnterKeepsEverythingAsItIs) {
  Folder.Write(kRecordsFileName, "\r\n");
  EXPECT_EQ(EndGame().KeptUnreadableAs, "");
  EXPECT_TRUE(OtherFiles().empty());
  const std::string before = Folder.Read(kRecordsFileName);
  TGameFigures unknown;
  unknown.Turns = {{12, 12, 3, "QZX"}};
  unknown.UnknownWordCommitted = true;
  EXPECT_EQ(EnterGameInRecords(Path(), kTable, unknown, "now").Kind, TRecordOutcome::UnknownWord);
  EXPECT_EQ(EnterGameInRecords(Path(), kTable, {}, "now").Kind, TRecordOutcome::NoWord);
  // A suggestion keeps a game out, alone or with an unknown word.
  TGameFigures suggested;
  suggested.Turns = {{12, 12, 3, "CAT"}};
  suggested.SuggestionsUsed = 1;
  TSummaryFacts facts;
  facts.Outcome = EnterGameInRecords(Path(), kTable, suggested, "now");
  EXPECT_EQ(GameSummaryLines(facts).back(), "Records: not entered, Suggest word was used");
  unknown.SuggestionsUsed = 2;
  facts.Outcome = EnterGameInRecords(Path(), kTable, unknown, "now");
  EXPECT_EQ(GameSummaryLines(facts).back(),
            "Records: not entered, Suggest word was used and an unknown word committed");
  EXPECT_EQ(Folder.Read(kRecordsFileName), before);
}

TEST_F(RecordsFileTest, TablesWhoseNamesDifferOnlyInCaseOrBeginWithABracketKeepTheirRecords) {
  TRecords records;
  const std::vector<std::string> names = {"English.gmd 15 x 15", "english.gmd 15 x 15",
                                          "ENGLISH.GMD 15 x 15", "[Odd.gmd 10 x 10",
                                          "Table2",              "GlyphmasonRecords"};
  for (size_t n = 0; n < names.size(); ++n) {
    records.Enter(names[n], Game(static_cast<int32_t>(n + 1) * 10));
  }
  ASSERT_TRUE(SaveRecordsFile(Path(), records));
  const TRecords read = LoadRecordsFile(Path());
  ASSERT_EQ(read.Tables.size(), names.size());
  for (size_t n = 0; n < names.size(); ++n) {
    EXPECT_EQ(read.Tables[n].first, names[n]);
    EXPECT_EQ(read.Tables[n].second.Records, records.Tables[n].second.Records) << names[n];
    EXPECT_EQ(read.Tables[n].second.Newest, 1) << names[n];
  }
}

TEST_F(RecordsFileTest, ANewTableBeyondTheLastOneReadPushesOutTheFirst) {
  TRecords records;
  for (int32_t n = 0; n < kMaxTables; ++n) {
    records.Enter(RecordTableName("D" + std::to_string(n) + ".gmd", 10, 10), Game(n + 1));
  }
  ASSERT_TRUE(SaveRecordsFile(Path(), records));
  TRecords read = LoadRecordsFile(Path());
  ASSERT_EQ(read.Tables.size(), static_cast<size_t>(kMaxTables));
  EXPECT_EQ(read.Enter(kTable, Game(5)), 1);
  ASSERT_TRUE(SaveRecordsFile(Path(), read));
  const TRecords again = LoadRecordsFile(Path());
  ASSERT_EQ(again.Tables.size(), static_cast<size_t>(kMaxTables));
  EXPECT_EQ(again.Find(RecordTableName("D0.gmd", 10, 10)), nullptr);
  EXPECT_NE(again.Find(RecordTableName("D1.gmd", 10, 10)), nullptr);
  EXPECT_EQ(again.Find(kTable)->Records[0].Score, 5);
}
