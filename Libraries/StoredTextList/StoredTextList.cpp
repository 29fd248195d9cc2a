#include "Libraries/StoredTextList/StoredTextList.h"

#include <charconv>
#include <cstring>
#include <limits>

#include "Libraries/Error/FunctionScope.h"
#include "Libraries/File/FileOperations.h"
#include "Libraries/File/WholeFile.h"
#include "Libraries/MyDialogs/MyDialogs.h"
#include "Libraries/OperatingSystem/OperatingSystem.h"
#include "Libraries/Text/Cp1252.h"
#include "Libraries/Utilities/BoolText.h"

namespace {

const char* const kLineBreak = "\r\n";

// Names compare letter by letter in capitals, so "glyphmasongame" finds
// "GlyphmasonGame". The length test comes first: it settles most lines.
bool SameName(const char* a, size_t aLength, const std::string& b) {
  if (aLength != b.size()) {
    return false;
  }
  for (size_t i = 0; i < aLength; ++i) {
    if (a[i] != b[i] && UpperCaseCp1252(a[i]) != UpperCaseCp1252(b[i])) {
      return false;
    }
  }
  return true;
}

bool IsSectionLine(const std::string& line) {
  return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

// Calls the handler with the status cleared, so that the caller can tell a
// failure the handler left in GlobalFunStat from the start of its own scope.
bool RunHandler(const TStoredTextList::THandler& handler, TStoredTextList& list, TFunScope& Fun) {
  if (!handler) {
    return true;
  }
  GlobalFunStat.Reset(fsPerfect);
  handler(list);
  return !Fun.CalleeFailed();
}

// A written text ends at its first line break or byte 0: one key is always
// one line, and a value can never open a section or add keys of its own.
std::string OneLine(const std::string& text) {
  return text.substr(0, text.find_first_of(std::string("\r\n\0", 3)));
}

std::string OverwriteQuestion(const std::string& fileName) {
  return "File \"" + fileName + "\"already exists.\nOverwrite it?";
}

}  // namespace

bool ParseStoredInteger(const std::string& text, int32_t& value) {
  const char* first = text.data();
  const char* last = first + text.size();
  const bool negative = first != last && *first == '-';
  if (first != last && (*first == '-' || *first == '+')) {
    ++first;
  }
  int base = 10;
  if (last - first >= 2 && first[0] == '0' && (first[1] == 'x' || first[1] == 'X')) {
    first += 2;
    base = 16;
  } else if (first != last && *first == '$') {
    first += 1;
    base = 16;
  }
  // Unsigned parsing takes digits only: no second sign, no blanks.
  uint64_t magnitude = 0;
  const auto [end, error] = std::from_chars(first, last, magnitude, base);
  if (first == last || error != std::errc() || end != last) {
    return false;
  }
  const int64_t limit = negative ? -int64_t{std::numeric_limits<int32_t>::min()}
                                 : int64_t{std::numeric_limits<int32_t>::max()};
  if (magnitude > static_cast<uint64_t>(limit)) {
    return false;
  }
  const int64_t signedValue = negative ? -static_cast<int64_t>(magnitude)
                                       : static_cast<int64_t>(magnitude);
  value = static_cast<int32_t>(signedValue);
  return true;
}

TStoredTextList::TStoredTextList(std::string fileName) : FileName(std::move(fileName)) {}

void TStoredTextList::ReadFromText(const std::string& bytes) {
  Content.emplace();
  const char* text = bytes.data();
  // A byte 0 ends the text.
  const char* nul = static_cast<const char*>(std::memchr(text, '\0', bytes.size()));
  const char* end = nul != nullptr ? nul : text + bytes.size();
  TSection* current = nullptr;
  const char* start = text;
  while (start < end) {
    const char* stop = start;
    while (stop < end && *stop != '\r' && *stop != '\n') {
      ++stop;
    }
    std::string line(start, stop);
    if (stop < end && *stop == '\r' && stop + 1 < end && stop[1] == '\n') {
      ++stop;
    }
    start = stop + 1;
    if (IsSectionLine(line)) {
      Content->emplace_back().Name = line.substr(1, line.size() - 2);
      current = &Content->back();
    } else if (!line.empty() && line.front() != ';' && current != nullptr) {
      current->Lines.push_back(std::move(line));
    }
  }
}

std::string TStoredTextList::WrittenText() const {
  std::string text;
  if (!Content) {
    return text;
  }
  for (const TSection& section : *Content) {
    text += "[" + section.Name + "]" + kLineBreak;
    for (const std::string& line : section.Lines) {
      text += line;
      text += kLineBreak;
    }
    text += kLineBreak;
  }
  return text;
}

bool TStoredTextList::Load() {
  return ShowingPassingFunction("TStoredTextList::Load", "Failed to load file.",
                                [&](TFunScope& Fun) {
    Content.reset();
    std::string bytes;
    if (FileExists(FileName) && !ReadFileBytes(FileName, bytes)) {
      return !Fun.CalleeFailed();
    }
    ReadFromText(bytes);
    return RunHandler(OnLoad, *this, Fun);
  });
}

bool TStoredTextList::LoadFrom(const std::string& fileName) {
  FileName = fileName;
  return Load();
}

bool TStoredTextList::Save(bool askOverwrite) {
  return ShowingFunction("TStoredTextList::Save", "Failed to save file.", [&](TFunScope& Fun) {
    // A folder, a pipe or a device in the file's place is never replaced.
    if (const std::string problem = FileKindProblem(FileName); !problem.empty()) {
      Fun.Fail(problem, FileName);
      return false;
    }
    if (!Content) {
      std::string bytes;
      if (FileExists(FileName) && !ReadFileBytes(FileName, bytes)) {
        return !Fun.CalleeFailed();
      }
      ReadFromText(bytes);
    }
    if (askOverwrite && FileExists(FileName) && !ShowQueryDialog(OverwriteQuestion(FileName))) {
      return false;
    }
    if (!RunHandler(OnSave, *this, Fun)) {
      return false;
    }
    ClearReadOnly(FileName);
    Os::ClearLastError();
    if (!ReplaceFileAtomically(FileName, WrittenText())) {
      Fun.Fail("Failed to write file.", FileName, "", Os::LastError());
      return false;
    }
    return true;
  });
}

bool TStoredTextList::SaveAs(const std::string& fileName, bool askOverwrite) {
  FileName = fileName;
  return Save(askOverwrite);
}

void TStoredTextList::Clear() {
  if (Content) {
    Content->clear();
  }
}

std::optional<size_t> TStoredTextList::FindSection(const std::string& name) const {
  if (Content) {
    for (size_t i = 0; i < Content->size(); ++i) {
      const std::string& found = (*Content)[i].Name;
      if (SameName(found.data(), found.size(), name)) {
        return i;
      }
    }
  }
  return std::nullopt;
}

// A line holds the key that stands before its first "=".
std::optional<size_t> TStoredTextList::FindLine(const TSection& section, const std::string& key) {
  if (!section.Indexed) {
    section.KeyLines.clear();
    for (size_t i = 0; i < section.Lines.size(); ++i) {
      const std::string& line = section.Lines[i];
      const size_t equals = line.find('=');
      if (equals != std::string::npos) {
        section.KeyLines.try_emplace(UpperCaseCp1252(line.substr(0, equals)), i);
      }
    }
    section.Indexed = true;
  }
  // A key holding "=" can never be found: its line would split earlier.
  if (key.find('=') != std::string::npos) {
    return std::nullopt;
  }
  const auto found = section.KeyLines.find(UpperCaseCp1252(key));
  return found == section.KeyLines.end() ? std::nullopt : std::optional<size_t>(found->second);
}

std::optional<std::string> TStoredTextList::FindValue(const std::string& section,
                                                      const std::string& key) const {
  if (const std::optional<size_t> found = FindSection(section)) {
    const TSection& lines = (*Content)[*found];
    if (const std::optional<size_t> line = FindLine(lines, key)) {
      return lines.Lines[*line].substr(key.size() + 1);
    }
  }
  return std::nullopt;
}

void TStoredTextList::ReadString(const std::string& section, const std::string& key,
                                 bool allowEmpty, std::string& value, size_t maxLength) const {
  const std::optional<std::string> found = FindValue(section, key);
  if (found && found->size() <= maxLength && (allowEmpty || !found->empty())) {
    value = *found;
  }
}

void TStoredTextList::ReadChar(const std::string& section, const std::string& key,
                               char& value) const {
  const std::optional<std::string> found = FindValue(section, key);
  if (found && found->size() == 1) {
    value = found->front();
  }
}

void TStoredTextList::ReadBool(const std::string& section, const std::string& key,
                               bool& value) const {
  if (const std::optional<std::string> found = FindValue(section, key)) {
    value = TextToBool(*found);
  }
}

void TStoredTextList::ReadInteger(const std::string& section, const std::string& key,
                                  int32_t& value, int32_t maximum, int32_t minimum) const {
  const std::optional<std::string> found = FindValue(section, key);
  int32_t number = 0;
  if (found && ParseStoredInteger(*found, number) && number >= minimum && number <= maximum) {
    value = number;
  }
}

void TStoredTextList::WriteString(const std::string& section, const std::string& key,
                                  const std::string& value) {
  if (!Content) {
    Content.emplace();
  }
  const std::optional<size_t> index = FindSection(section);
  if (!index) {
    Content->emplace_back().Name = OneLine(section);
  }
  TSection& target = index ? (*Content)[*index] : Content->back();
  std::string line = OneLine(key + "=" + value);
  // A key cut to nothing, or one that would read back as a comment or a
  // section, would not come back from the file as written: it is not written.
  if (line.empty() || line.front() == ';' || IsSectionLine(line)) {
    return;
  }
  if (const std::optional<size_t> existing = FindLine(target, key)) {
    target.Lines[*existing] = std::move(line);
    return;
  }
  target.Lines.push_back(std::move(line));
  const size_t equals = target.Lines.back().find('=');
  if (equals == std::string::npos) {
    return;
  }
  target.KeyLines.try_emplace(UpperCaseCp1252(target.Lines.back().substr(0, equals)),
                              target.Lines.size() - 1);
}

void TStoredTextList::WriteChar(const std::string& section, const std::string& key, char value) {
  WriteString(section, key, value == 0 ? std::string() : std::string(1, value));
}

void TStoredTextList::WriteBool(const std::string& section, const std::string& key, bool value) {
  WriteString(section, key, BoolToText(value));
}

void TStoredTextList::WriteInteger(const std::string& section, const std::string& key,
                                   int32_t value) {
  WriteString(section, key, std::to_string(value));
}
