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
#include "Libraries/Text/Translation.h"
#include "Libraries/Utilities/BoolText.h"

namespace {

const char* const kLineBreak = "\r\n";

// Names compare letter by letter in capitals, so "glyphmasongame" finds
// "GlyphmasonGame". The length test comes first: it settles most lines.
bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) {
    return false;
  }
  const auto& capital = Cp1252Capitals();
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i] &&
        capital[static_cast<unsigned char>(a[i])] != capital[static_cast<unsigned char>(b[i])]) {
      return false;
    }
  }
  return true;
}

// A hash of the name's capitals, so that names equal without regard to case
// hash alike.
uint32_t NameHash(std::string_view name) {
  const auto& capital = Cp1252Capitals();
  uint32_t hash = 2166136261u;
  for (const char c : name) {
    hash = (hash ^ capital[static_cast<unsigned char>(c)]) * 16777619u;
  }
  return hash;
}

bool IsSectionLine(std::string_view line) {
  return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

// The key of a key line: the text before its first "="; nullopt without one.
std::optional<std::string_view> KeyOf(std::string_view line) {
  const size_t equals = line.find('=');
  return equals == std::string_view::npos ? std::nullopt
                                          : std::optional<std::string_view>(line.substr(0, equals));
}

// The number of lines of the text: every CR, LF or CR LF ends one, and a
// last line without a break counts too.
size_t CountLines(std::string_view text) {
  size_t count = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) {
      ++count;
    }
  }
  return count + (!text.empty() && text.back() != '\n' && text.back() != '\r' ? 1 : 0);
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
  //: %1 is a file's path
  return FilledIn(Translated("StoredTextList", "File \"%1\"already exists.\nOverwrite it?"),
                  {fileName});
}

// The slot of the name in an index: the one holding its first item, or the
// free one where it would go. nameOf gives the name an item holds.
template <class NameOf>
size_t NameSlot(const std::vector<uint32_t>& slots, std::string_view name, uint32_t hash,
                const NameOf& nameOf) {
  const size_t mask = slots.size() - 1;
  for (size_t i = hash & mask;; i = (i + 1) & mask) {
    if (slots[i] == 0 || SameName(nameOf(slots[i] - 1), name)) {
      return i;
    }
  }
}

// Enters the item under its name unless an earlier item holds that name,
// and doubles the slots when they are three quarters full.
template <class NameOf>
void AddName(std::vector<uint32_t>& slots, size_t& names, size_t item, const NameOf& nameOf) {
  const std::string_view name = nameOf(item);
  const size_t slot = NameSlot(slots, name, NameHash(name), nameOf);
  if (slots[slot] != 0) {
    return;  // an earlier item holds the name
  }
  slots[slot] = static_cast<uint32_t>(item + 1);
  if (++names * 4 <= slots.size() * 3) {
    return;
  }
  std::vector<uint32_t> old = std::move(slots);
  slots.assign(old.size() * 2, 0);
  for (const uint32_t entry : old) {
    if (entry != 0) {
      const std::string_view oldName = nameOf(entry - 1);
      slots[NameSlot(slots, oldName, NameHash(oldName), nameOf)] = entry;
    }
  }
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
  const int64_t signedValue =
      negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
  value = static_cast<int32_t>(signedValue);
  return true;
}

TStoredTextList::TStoredTextList(std::string fileName) : FileName(std::move(fileName)) {}

void TStoredTextList::ReadFromText(std::string bytes) {
  // A byte 0 ends the text.
  if (const void* nul = std::memchr(bytes.data(), '\0', bytes.size())) {
    bytes.resize(static_cast<size_t>(static_cast<const char*>(nul) - bytes.data()));
  }
  if (bytes.size() > std::numeric_limits<uint32_t>::max()) {
    Raise("The settings text is too large.");
  }
  Present = true;
  Items.clear();
  ForgetLookups();
  Text = std::move(bytes);
  // The lines are counted first, so that the items take no more room than
  // they need.
  Items.reserve(CountLines(Text));
  const std::string_view text = Text;
  bool inSection = false;
  size_t start = 0;
  while (start < text.size()) {
    size_t stop = text.find_first_of("\r\n", start);
    if (stop == std::string_view::npos) {
      stop = text.size();
    }
    const std::string_view line = text.substr(start, stop - start);
    const TItem item{static_cast<uint32_t>(start), static_cast<uint32_t>(line.size()), 0};
    if (IsSectionLine(line)) {
      Items.push_back(item);
      Items.back().IsSection = 1;
      inSection = true;
    } else if (!line.empty() && line.front() != ';' && inSection) {
      Items.push_back(item);
    }
    start = stop + (text.compare(stop, 2, "\r\n") == 0 ? 2 : 1);
  }
}

std::string TStoredTextList::WrittenText() const {
  std::string text;
  if (!Present) {
    return text;
  }
  size_t size = 0;
  for (const TItem& item : Items) {
    size += item.Length + 2 + (item.IsSection != 0 ? 2 : 0);
  }
  text.reserve(size);
  for (size_t i = 0; i < Items.size(); ++i) {
    // A section's name line ends the section before it with an empty line.
    if (Items[i].IsSection != 0 && i > 0) {
      text += kLineBreak;
    }
    text += LineOf(i);
    text += kLineBreak;
  }
  if (!Items.empty()) {
    text += kLineBreak;
  }
  return text;
}

bool TStoredTextList::Load() {
  return ShowingPassingFunction(
      "TStoredTextList::Load", TranslatableText("TErrorForm", "Failed to load file."),
      [&](TFunScope& Fun) {
        Present = false;
        Text.clear();
        Items.clear();
        ForgetLookups();
        std::string bytes;
        if (FileExists(FileName) && !ReadFileBytes(FileName, bytes, kMaxStoredTextBytes)) {
          return !Fun.CalleeFailed();
        }
        ReadFromText(std::move(bytes));
        return RunHandler(OnLoad, *this, Fun);
      });
}

bool TStoredTextList::LoadFrom(const std::string& fileName) {
  FileName = fileName;
  return Load();
}

bool TStoredTextList::Save(bool askOverwrite) {
  const char* failed = TranslatableText("TErrorForm", "Failed to save file.");
  return ShowingFunction("TStoredTextList::Save", failed, [&](TFunScope& Fun) {
    // A folder, a pipe or a device in the file's place is never replaced.
    if (const std::string problem = FileKindProblem(FileName); !problem.empty()) {
      Fun.Fail(problem, FileName);
      return false;
    }
    if (!Present) {
      std::string bytes;
      if (FileExists(FileName) && !ReadFileBytes(FileName, bytes, kMaxStoredTextBytes)) {
        return !Fun.CalleeFailed();
      }
      ReadFromText(std::move(bytes));
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
  if (Present) {
    // The memory of a large file read before goes back at once.
    Text = std::string();
    Items = std::vector<TItem>();
    ForgetLookups();
  }
}

void TStoredTextList::ForgetLookups() const {
  KeyIndexes.clear();
  SectionIndex = {};
  LastSectionKnown = false;
}

std::optional<size_t> TStoredTextList::FindSection(const std::string& name) const {
  if (LastSectionKnown && LastSectionName == name) {
    return LastSection;
  }
  if (SectionIndex.Slots.empty()) {
    SectionIndex.Slots.assign(16, 0);
    for (size_t item = 0; item < Items.size(); ++item) {
      if (Items[item].IsSection != 0) {
        AddSectionToIndex(item);
      }
    }
  }
  const uint32_t slot =
      SectionIndex.Slots[NameSlot(SectionIndex.Slots, name, NameHash(name),
                                  [this](size_t item) { return SectionNameAt(item); })];
  const std::optional<size_t> found = slot == 0 ? std::nullopt : std::optional<size_t>(slot - 1);
  LastSectionName = name;
  LastSection = found;
  LastSectionKnown = true;
  return found;
}

size_t TStoredTextList::SectionEnd(size_t section) const {
  size_t end = section + 1;
  while (end < Items.size() && Items[end].IsSection == 0) {
    ++end;
  }
  return end;
}

std::string_view TStoredTextList::KeyNameAt(size_t item) const {
  return *KeyOf(LineOf(item));
}

std::string_view TStoredTextList::SectionNameAt(size_t item) const {
  return LineOf(item).substr(1, Items[item].Length - 2);
}

void TStoredTextList::AddToIndex(TKeyIndex& index, size_t item) const {
  if (KeyOf(LineOf(item))) {
    AddName(index.Slots, index.Keys, item, [this](size_t item) { return KeyNameAt(item); });
  }
}

void TStoredTextList::AddSectionToIndex(size_t item) const {
  AddName(SectionIndex.Slots, SectionIndex.Keys, item,
          [this](size_t item) { return SectionNameAt(item); });
}

// A line holds the key that stands before its first "=".
std::optional<size_t> TStoredTextList::FindLine(size_t section, const std::string& key) const {
  auto [found, made] = KeyIndexes.try_emplace(section);
  TKeyIndex& index = found->second;
  if (made) {
    index.Slots.assign(16, 0);
    for (size_t item = section + 1; item < Items.size() && Items[item].IsSection == 0; ++item) {
      AddToIndex(index, item);
    }
  }
  // A key holding "=" can never be found: its line would split earlier.
  if (key.find('=') != std::string::npos) {
    return std::nullopt;
  }
  const uint32_t slot = index.Slots[NameSlot(index.Slots, key, NameHash(key),
                                             [this](size_t item) { return KeyNameAt(item); })];
  return slot == 0 ? std::nullopt : std::optional<size_t>(slot - 1);
}

std::optional<std::string> TStoredTextList::FindValue(const std::string& section,
                                                      const std::string& key) const {
  if (const std::optional<size_t> found = FindSection(section)) {
    if (const std::optional<size_t> line = FindLine(*found, key)) {
      return std::string(LineOf(*line).substr(key.size() + 1));
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

TStoredTextList::TItem TStoredTextList::Keep(std::string_view text, bool isSection) {
  if (Text.size() + text.size() > std::numeric_limits<uint32_t>::max()) {
    Raise("The settings text is too large.");
  }
  const TItem item{static_cast<uint32_t>(Text.size()), static_cast<uint32_t>(text.size()),
                   isSection ? 1u : 0u};
  Text += text;
  return item;
}

void TStoredTextList::WriteString(const std::string& section, const std::string& key,
                                  const std::string& value) {
  Present = true;
  std::optional<size_t> index = FindSection(section);
  if (!index) {
    Items.push_back(Keep("[" + OneLine(section) + "]", true));
    index = Items.size() - 1;
    LastSectionKnown = false;
    if (!SectionIndex.Slots.empty()) {
      AddSectionToIndex(*index);
    }
  }
  std::string line = OneLine(key + "=" + value);
  // A key cut to nothing, or one that would read back as a comment or a
  // section, would not come back from the file as written: it is not written.
  if (line.empty() || line.front() == ';' || IsSectionLine(line)) {
    return;
  }
  if (const std::optional<size_t> existing = FindLine(*index, key)) {
    Items[*existing] = Keep(line, false);
    return;
  }
  const size_t end = SectionEnd(*index);
  Items.insert(Items.begin() + static_cast<std::ptrdiff_t>(end), Keep(line, false));
  if (end + 1 < Items.size()) {
    // Later sections moved: their indexes and the last lookup no longer hold.
    ForgetLookups();
  } else if (const auto found = KeyIndexes.find(*index); found != KeyIndexes.end()) {
    AddToIndex(found->second, end);
  }
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
