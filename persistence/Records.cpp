#include "persistence/Records.h"

#include <algorithm>

#include "Libraries/Error/FunctionScope.h"
#include "Libraries/File/FileOperations.h"
#include "Libraries/File/FullPath.h"
#include "Libraries/File/PathText.h"
#include "Libraries/File/WholeFile.h"

namespace {

constexpr const char* kIndexSection = "GlyphmasonRecords";
constexpr char kSeparator = '|';
// More tables than dictionaries and sizes could ever fill are not read.
constexpr int32_t kMaxTables = 10000;
constexpr size_t kMaxTableNameLength = 300;
constexpr size_t kMaxRecordLength = 1000;

// Takes the text up to the next separator from `from` on.
bool NextField(const std::string& text, size_t& from, std::string& field) {
  const size_t end = text.find(kSeparator, from);
  if (end == std::string::npos) {
    return false;
  }
  field = text.substr(from, end - from);
  from = end + 1;
  return true;
}

}  // namespace

const TRecordTable* TRecords::Find(const std::string& name) const {
  for (const auto& [tableName, table] : Tables) {
    if (tableName == name) {
      return &table;
    }
  }
  return nullptr;
}

int32_t TRecords::Enter(const std::string& name, const TRecord& record) {
  auto found = std::find_if(Tables.begin(), Tables.end(),
                            [&](const auto& entry) { return entry.first == name; });
  if (found == Tables.end()) {
    Tables.emplace_back(name, TRecordTable{});
    found = std::prev(Tables.end());
  }
  std::vector<TRecord>& list = found->second.Records;
  const auto at = std::find_if(list.begin(), list.end(),
                               [&](const TRecord& kept) { return kept.Score < record.Score; });
  const auto place = static_cast<size_t>(at - list.begin());
  if (place >= kMaxRecords) {
    if (list.empty()) {
      Tables.erase(found);
    }
    return 0;
  }
  list.insert(at, record);
  if (list.size() > kMaxRecords) {
    list.resize(kMaxRecords);
  }
  found->second.Newest = static_cast<int32_t>(place) + 1;
  return found->second.Newest;
}

std::string RecordTableName(const std::string& dictionaryName, int32_t columns, int32_t rows) {
  return dictionaryName + " " + std::to_string(columns) + " x " + std::to_string(rows);
}

bool MayEnterRecords(const TGameFigures& figures) {
  return figures.WordsCommitted() > 0 && !figures.UnknownWordCommitted;
}

TRecord RecordOfGame(const TGameFigures& figures, int32_t score, const std::string& dateTime) {
  TRecord record;
  record.DateTime = dateTime;
  record.Score = score;
  record.Words = figures.WordsCommitted();
  if (const TTurnFigures* best = figures.BestTurn()) {
    record.BestWord = best->Word;
    record.BestWordScore = best->Score;
  }
  record.AccuracyPercent = figures.AccuracyPercent();
  record.SuggestionsUsed = figures.SuggestionsUsed;
  return record;
}

std::string RecordText(const TRecord& record) {
  std::string text;
  for (const int32_t number : {record.Score, record.Words, record.AccuracyPercent,
                               record.SuggestionsUsed, record.BestWordScore}) {
    text += std::to_string(number) + kSeparator;
  }
  return text + record.DateTime + kSeparator + record.BestWord;
}

bool ParseRecordText(const std::string& text, TRecord& record) {
  TRecord read;
  size_t from = 0;
  std::string field;
  for (int32_t* number : {&read.Score, &read.Words, &read.AccuracyPercent, &read.SuggestionsUsed,
                          &read.BestWordScore}) {
    if (!NextField(text, from, field) || !ParseStoredInteger(field, *number) || *number < 0) {
      return false;
    }
  }
  if (!NextField(text, from, read.DateTime) || read.DateTime.empty()) {
    return false;
  }
  read.BestWord = text.substr(from);
  record = read;
  return true;
}

void ReadRecords(const TStoredTextList& list, TRecords& records) {
  records = {};
  int32_t count = 0;
  list.ReadInteger(kIndexSection, "TablesCount", count, kMaxTables, 0);
  for (int32_t n = 1; n <= count; ++n) {
    std::string name;
    list.ReadString(kIndexSection, "Table" + std::to_string(n), false, name, kMaxTableNameLength);
    if (name.empty() || name.front() == '[' || records.Find(name) != nullptr) {
      continue;
    }
    TRecordTable table;
    for (size_t place = 1; place <= kMaxRecords; ++place) {
      std::string text;
      list.ReadString(name, std::to_string(place), false, text, kMaxRecordLength);
      TRecord record;
      if (ParseRecordText(text, record)) {
        table.Records.push_back(record);
      }
    }
    // A file edited by hand may list its records in any order.
    std::stable_sort(table.Records.begin(), table.Records.end(),
                     [](const TRecord& a, const TRecord& b) { return a.Score > b.Score; });
    list.ReadInteger(name, "Newest", table.Newest, static_cast<int32_t>(table.Records.size()), 0);
    if (!table.Records.empty()) {
      records.Tables.emplace_back(name, std::move(table));
    }
  }
}

void WriteRecords(TStoredTextList& list, const TRecords& records) {
  list.Clear();
  list.WriteInteger(kIndexSection, "TablesCount", static_cast<int32_t>(records.Tables.size()));
  for (size_t n = 0; n < records.Tables.size(); ++n) {
    list.WriteString(kIndexSection, "Table" + std::to_string(n + 1), records.Tables[n].first);
  }
  for (const auto& [name, table] : records.Tables) {
    list.WriteInteger(name, "Newest", table.Newest);
    for (size_t place = 0; place < table.Records.size(); ++place) {
      list.WriteString(name, std::to_string(place + 1), RecordText(table.Records[place]));
    }
  }
}

TRecords LoadRecordsFile(const std::string& path) {
  return PassingFunction("LoadRecordsFile", [&](TFunScope&) {
    TRecords records;
    // A link is read only when it stays within the records file's folder.
    const std::string file = ResolveLinkWithin(path, {DirectoryOfPath(path)});
    std::string bytes;
    // Whatever keeps the file from being read leaves the records empty; the
    // failure is not handed on, so the game goes on.
    if (file.empty() || !FileExists(file) || !ReadFileBytes(file, bytes)) {
      return records;
    }
    TStoredTextList list(file);
    list.ReadFromText(bytes);
    ReadRecords(list, records);
    return records;
  });
}

bool SaveRecordsFile(const std::string& path, const TRecords& records) {
  TStoredTextList list(path);
  list.ReadFromText({});
  list.OnSave = [&](TStoredTextList& target) { WriteRecords(target, records); };
  return list.Save(false);
}
