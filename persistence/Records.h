#pragma once
// The records: the ten best ended games for each dictionary and board size,
// kept in a settings text file beside the program. An index section names
// the tables; each table is a section of its own with one line per record,
// best first, and the place of the newest record.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "Libraries/StoredTextList/StoredTextList.h"
#include "game/GameFigures.h"

inline constexpr size_t kMaxRecords = 10;
// The most tables a records file holds: far more than the dictionaries and
// board sizes a player could fill. A new table beyond it pushes out the
// table made first.
inline constexpr int32_t kMaxTables = 10000;
inline constexpr const char* kRecordsFileName = "GlyphmasonRecords.ini";

struct TRecord {
  // When the game ended, in the program's date and time format.
  std::string DateTime;
  int32_t Score = 0;
  int32_t Words = 0;
  std::string BestWord;
  int32_t BestWordScore = 0;
  int32_t AccuracyPercent = 0;
  int32_t SuggestionsUsed = 0;
  friend bool operator==(const TRecord&, const TRecord&) = default;
};

struct TRecordTable {
  // Best first; at most kMaxRecords.
  std::vector<TRecord> Records;
  // The place (1-based) of the record entered last; 0 for none.
  int32_t Newest = 0;
};

struct TRecords {
  // The tables by name, in the order they were first filled.
  std::vector<std::pair<std::string, TRecordTable>> Tables;

  // The table of that name; nullptr when there is none.
  const TRecordTable* Find(const std::string& name) const;
  // Enters the record into its table (made when missing, in place of the
  // first table when there are kMaxTables) when it is among the ten best:
  // after every record of the same score or more, so that ties keep the
  // earlier game first. Returns its place 1..10, or 0 when it did not enter
  // (the tables are then unchanged). Table names are told apart by case.
  int32_t Enter(const std::string& name, const TRecord& record);
};

// The table of a dictionary and board size: "English.gmd 15 x 15".
std::string RecordTableName(const std::string& dictionaryName, int32_t columns, int32_t rows);

// Whether a game may enter the records: only with a word committed, and not
// when a word the words list did not know was committed, "Suggest word" was
// used or a move was undone: the records compare what players found
// themselves, move by move.
bool MayEnterRecords(const TGameFigures& figures);
// The record of an ended game: its score is the sum of its committed words,
// so that the score, the words and the accuracy of a record always agree.
TRecord RecordOfGame(const TGameFigures& figures, const std::string& dateTime);

// One record as its stored line, "score|words|accuracy|suggestions|best
// word's score|date and time|best word", and back; false (the record
// unchanged) for a line that does not read.
std::string RecordText(const TRecord& record);
bool ParseRecordText(const std::string& text, TRecord& record);

// Reads every table the index names; records that do not read are left
// out, so a damaged file gives fewer records. False when the list has no
// index with a count of tables that can be read.
bool ReadRecords(const TStoredTextList& list, TRecords& records);
// Clears the list and writes the index and every table, each table under a
// section of its own even where names differ only in letter case.
void WriteRecords(TStoredTextList& list, const TRecords& records);

struct TRecordsFile {
  TRecords Records;
  // True when a file is there that could not be read as records whole: not
  // readable, larger than kMaxStoredTextBytes, holding a byte 0 (saved as
  // UTF-16, say), or without an index this program reads. Such a file must
  // not be written over: its records are not in Records.
  bool Unreadable = false;
};
// The records in the file; none when it is missing, empty, unreadable, no
// regular file, or a link that leads out of its folder. Never a failure.
TRecordsFile ReadRecordsFile(const std::string& path);
TRecords LoadRecordsFile(const std::string& path);
// Replaces the file with the records in one step. A file that cannot be
// written shows "Failed to save file." and gives false; the old file stays.
bool SaveRecordsFile(const std::string& path, const TRecords& records);
