#include "Libraries/Install/KeptWords.h"

#include <unordered_set>
#include <vector>

#include "Libraries/File/PathText.h"
#include "Libraries/File/WholeFile.h"
#include "Libraries/OperatingSystem/OperatingSystem.h"
#include "Libraries/Text/Cp1252.h"

namespace {
constexpr const char* kWordsListExtension = ".TXT";
constexpr const char* kLineBreak = "\r\n";

// The lines of a list: a line ends at CR, LF or the pair; a last line
// without a break is a line too.
std::vector<std::string> LinesOf(const std::string& list) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < list.size()) {
    const size_t end = list.find_first_of("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(list.substr(start));
      break;
    }
    lines.push_back(list.substr(start, end - start));
    start = end + (list[end] == '\r' && end + 1 < list.size() && list[end + 1] == '\n' ? 2 : 1);
  }
  return lines;
}

bool IsWordsListName(const std::string& name) {
  const std::string extension = kWordsListExtension;
  return name.size() > extension.size() &&
         UpperCaseCp1252(name.substr(name.size() - extension.size())) == extension;
}

bool ReadList(const std::string& path, std::string& bytes) {
  try {
    bytes = ReadWholeFile(path);
    return true;
  } catch (...) {
    return false;  // a list that cannot be read is not merged
  }
}
}  // namespace

std::string MergeAddedWords(const std::string& oldList, const std::string& newList) {
  if (oldList.find('\0') != std::string::npos || newList.find('\0') != std::string::npos) {
    return newList;
  }
  std::unordered_set<std::string> known;
  for (const std::string& line : LinesOf(newList)) {
    known.insert(UpperCaseCp1252(line));
  }
  std::string added;
  for (const std::string& line : LinesOf(oldList)) {
    if (!line.empty() && known.insert(UpperCaseCp1252(line)).second) {
      added += line + kLineBreak;
    }
  }
  if (added.empty()) {
    return newList;
  }
  const bool endsWithBreak = newList.empty() || newList.back() == '\n' || newList.back() == '\r';
  return newList + (endsWithBreak ? "" : kLineBreak) + added;
}

std::map<std::string, std::string> ReadWordsLists(const std::string& folder) {
  std::map<std::string, std::string> lists;
  std::vector<std::string> names;
  if (!Os::ListFolder(folder, names)) {
    return lists;
  }
  for (const std::string& name : names) {
    std::string bytes;
    if (IsWordsListName(name) && ReadList(IncludeSlashIfNotEmpty(folder) + name, bytes)) {
      lists.emplace(name, std::move(bytes));
    }
  }
  return lists;
}

void KeepAddedWords(const std::string& folder, const std::map<std::string, std::string>& oldLists) {
  for (const auto& [name, oldList] : oldLists) {
    const std::string path = IncludeSlashIfNotEmpty(folder) + name;
    std::string newList;
    if (!ReadList(path, newList)) {
      continue;
    }
    const std::string merged = MergeAddedWords(oldList, newList);
    if (merged != newList) {
      ReplaceFileAtomically(path, merged);
    }
  }
}
