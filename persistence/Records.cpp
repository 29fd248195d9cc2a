#include "persistence/Records.h"

#include <algorithm>
#include <set>
#include <unordered_set>

#include "Libraries/Error/FunctionScope.h"
#include "Libraries/File/FileOperations.h"
#include "Libraries/File/FullPath.h"
#include "Libraries/File/PathText.h"
#include "Libraries/File/WholeFile.h"
#include "Libraries/Text/Cp1252.h"

namespace {

constexpr const char* kIndexSection = "GlyphmasonRecords";
constexpr const char* kTablesCountKey = "TablesCount";
constexpr char kSeparator = '|';
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

// The section each table is written under: its name, unless sections
// compare without regard to letter case and an earlier section has that
// name, or the name would not stay one line; then "Table<n>", n the
// table's number or the next free one.
std::vector<std::string> TableSections(const TRecords& records) {
  std::vector<std::string> sections;
  std::set<std::string> taken = {UpperCaseCp1252(kIndexSection)};
  for (size_t n = 0; n < records.Tables.size(); ++n) {
    std::string section = records.Tables[n].first;
    if (section.find_first_of(std::string("\r\n\0", 3)) != std::string::npos) {
      section.clear();
    }
    for (size_t extra = n + 1; section.empty() || taken.count(UpperCaseCp1252(section)) != 0;
         extra += records.Tables.size()) {
      section = "Table" + std::to_string(extra);
    }
    taken.insert(UpperCaseCp1252(section));
    sections.push_back(section);
  }
  return sections;
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
    // The file holds at most kMaxTables: the table made first gives way.
    if (Tables.size() >= static_cast<size_t>(kMaxTables)) {
      Tables.erase(Tables.begin(), Tables.end() - (kMaxTables - 1));
    }
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
  return figures.WordsCommitted() > 0 && !figures.UnknownWordCommitted &&
         figures.SuggestionsUsed == 0 && figures.UndosUsed == 0;
}

TRecord RecordOfGame(const TGameFigures& figures, const std::string& dateTime) {
  TRecord record;
  record.DateTime = dateTime;
  record.Score = figures.TurnsScore();
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

bool ReadRecords(const TStoredTextList& list, TRecords& records) {
  records = {};
  int32_t count = -1;
  list.ReadInteger(kIndexSection, kTablesCountKey, count, kMaxTables, 0);
  std::unordered_set<std::string> names;
  for (int32_t n = 1; n <= count; ++n) {
    std::string name;
    list.ReadString(kIndexSection, "Table" + std::to_string(n), false, name, kMaxTableNameLength);
    if (name.empty() || !names.insert(name).second) {
      continue;
    }
    std::string section = name;
    list.ReadString(kIndexSection, "Section" + std::to_string(n), false, section,
                    kMaxTableNameLength);
    TRecordTable table;
    for (size_t place = 1; place <= kMaxRecords; ++place) {
      std::string text;
      list.ReadString(section, std::to_string(place), false, text, kMaxRecordLength);
      TRecord record;
      if (ParseRecordText(text, record)) {
        table.Records.push_back(record);
      }
    }
    // A file edited by hand may list its records in any order.
    std::stable_sort(table.Records.begin(), table.Records.end(),
                     [](const TRecord& a, const TRecord& b) { return a.Score > b.Score; });
    list.ReadInteger(section, "Newest", table.Newest, static_cast<int32_t>(table.Records.size()),
                     0);
    if (!table.Records.empty()) {
      records.Tables.emplace_back(name, std::move(table));
    }
  }
  return count >= 0;
}

void WriteRecords(TStoredTextList& list, const TRecords& records) {
  list.Clear();
  list.WriteInteger(kIndexSection, kTablesCountKey, static_cast<int32_t>(records.Tables.size()));
  const std::vector<std::string> sections = TableSections(records);
  for (size_t n = 0; n < records.Tables.size(); ++n) {
    const std::string number = std::to_string(n + 1);
    list.WriteString(kIndexSection, "Table" + number, records.Tables[n].first);
    if (sections[n] != records.Tables[n].first) {
      list.WriteString(kIndexSection, "Section" + number, sections[n]);
    }
  }
  for (size_t n = 0; n < records.Tables.size(); ++n) {
    const TRecordTable& table = records.Tables[n].second;
    list.WriteInteger(sections[n], "Newest", table.Newest);
    for (size_t place = 0; place < table.Records.size(); ++place) {
      list.WriteString(sections[n], std::to_string(place + 1), RecordText(table.Records[place]));
    }
  }
}

TRecordsFile ReadRecordsFile(const std::string& path) {
  return PassingFunction("ReadRecordsFile", [&](TFunScope&) {
    TRecordsFile read;
    // A link is read only when it stays within the records file's folder;
    // one that leads out is replaced itself at the next save.
    const std::string file = ResolveLinkWithin(path, {DirectoryOfPath(path)});
    // A folder, a pipe or a device in the file's place holds no records and
    // is never replaced by a save either.
    if (file.empty() || !FileExists(file) || !FileKindProblem(file).empty()) {
      return read;
    }
    // Whatever keeps the file from being read leaves the records empty and
    // marks the file, so that it is never written over; the failure is not
    // handed on, so the game goes on.
    std::string bytes;
    if (!ReadFileBytes(file, bytes, kMaxStoredTextBytes)) {
      read.Unreadable = true;
      return read;
    }
    // A byte 0 would end the text early and lose every record after it.
    const bool blank = bytes.find_first_not_of(" \t\r\n") == std::string::npos;
    TStoredTextList list(file);
    list.ReadFromText(bytes);
    read.Unreadable =
        bytes.find('\0') != std::string::npos || (!ReadRecords(list, read.Records) && !blank);
    return read;
  });
}

TRecords LoadRecordsFile(const std::string& path) {
  return ReadRecordsFile(path).Records;
}

bool SaveRecordsFile(const std::string& path, const TRecords& records) {
  TStoredTextList list(path);
  list.ReadFromText({});
  list.OnSave = [&](TStoredTextList& target) { WriteRecords(target, records); };
  return list.Save(false);
}
