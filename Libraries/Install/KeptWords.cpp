#include "Libraries/Install/KeptWords.h"

#include <algorithm>
#include <cstdint>
#include <set>
#include <string_view>
#include <vector>

#include "Libraries/Error/FunctionScope.h"
#include "Libraries/File/FullPath.h"
#include "Libraries/File/PathText.h"
#include "Libraries/File/WholeFile.h"
#include "Libraries/OperatingSystem/OperatingSystem.h"
#include "Libraries/Program/ProgramPaths.h"
#include "Libraries/StoredTextList/StoredTextList.h"
#include "Libraries/Text/Cp1252.h"

namespace {
constexpr const char* kDictionaryExtension = ".GMD";
constexpr const char* kWordsListExtension = ".txt";
constexpr const char* kShippedPrefix = ".";
constexpr const char* kShippedSuffix = ".shipped";
constexpr const char* kLineBreak = "\r\n";
constexpr const char* kMainSection = "Main";
constexpr const char* kWordsListKey = "WordsListName";
constexpr size_t kMaxWordsListNameLength = 255;
// The game's own words-list reader refuses larger lists; so does the merge,
// which holds a list, its record and their words at once.
constexpr size_t kMaxListBytes = size_t{128} << 20;

// Calls take with each line of text: a line ends at CR, LF or the pair; a
// last line without a break is a line too.
template <class Take>
void ForEachLine(std::string_view text, Take take) {
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      take(text.substr(start));
      return;
    }
    take(text.substr(start, end - start));
    start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
  }
}

bool EndsWithLineBreak(const std::string& text) {
  return !text.empty() && (text.back() == '\n' || text.back() == '\r');
}

// A text of lines with a set of its words, compared without regard to
// case. The set holds only where each word starts in the text (four bytes
// a slot, at most three quarters full), so text and set together stay
// within about twice the text for lists of short words.
class TWordSet {
 public:
  // Holds the text and its non-empty lines, with room for extraWords more
  // words of extraBytes in all.
  TWordSet(std::string text, size_t extraBytes, size_t extraWords) : Text(std::move(text)) {
    if (extraBytes > 0) {
      Text.reserve(Text.size() + extraBytes);
    }
    const size_t lines = LinesIn(Text) + extraWords;
    Slots.assign(lines + lines / 3 + kMinSlots, 0);
    ForEachLine(Text, [this](std::string_view line) {
      if (!line.empty()) {
        Insert(static_cast<uint32_t>(line.data() - Text.data()), line);
      }
    });
  }

  bool Contains(std::string_view word) const { return Slots[SlotOf(word, Hash(word))] != 0; }

  // Appends a word that the text lacks, after a line break when the text
  // does not end with one, followed by CR LF; true when it was appended.
  bool Add(std::string_view word) {
    if (word.empty()) {
      return false;
    }
    const size_t slot = SlotOf(word, Hash(word));
    if (Slots[slot] != 0) {
      return false;
    }
    if (!Text.empty() && !EndsWithLineBreak(Text)) {
      Text += kLineBreak;
    }
    const uint32_t start = static_cast<uint32_t>(Text.size());
    Text.append(word).append(kLineBreak);
    Fill(slot, start);
    return true;
  }

  std::string Release() { return std::move(Text); }

 private:
  static constexpr size_t kMinSlots = 16;

  static size_t LinesIn(const std::string& text) {
    return static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
  }

  static uint64_t Hash(std::string_view word) {
    const auto& capitals = Cp1252Capitals();
    uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (const char letter : word) {
      hash = (hash ^ capitals[static_cast<unsigned char>(letter)]) * 1099511628211ull;
    }
    // FNV-1a leaves the last letters out of the high bits, which pick the
    // slot: mixed once more, words that differ only there spread too.
    hash = (hash ^ (hash >> 33)) * 0xff51afd7ed558ccdull;
    hash = (hash ^ (hash >> 33)) * 0xc4ceb9fe1a85ec53ull;
    return hash ^ (hash >> 33);
  }

  static bool SameWord(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
      return false;
    }
    const auto& capitals = Cp1252Capitals();
    for (size_t i = 0; i < a.size(); ++i) {
      if (capitals[static_cast<unsigned char>(a[i])] !=
          capitals[static_cast<unsigned char>(b[i])]) {
        return false;
      }
    }
    return true;
  }

  std::string_view LineAt(uint32_t start) const {
    const size_t end = Text.find_first_of("\r\n", start);
    return std::string_view(Text).substr(start, end == std::string::npos ? end : end - start);
  }

  // The slot that holds the word, or the free slot where it would go.
  size_t SlotOf(std::string_view word, uint64_t hash) const {
    // The hash's high half scaled to the table: any table size will do.
    size_t slot = static_cast<size_t>(((hash >> 32) * Slots.size()) >> 32);
    while (Slots[slot] != 0 && !SameWord(LineAt(Slots[slot] - 1), word)) {
      slot = slot + 1 == Slots.size() ? 0 : slot + 1;
    }
    return slot;
  }

  void Insert(uint32_t start, std::string_view word) {
    const size_t slot = SlotOf(word, Hash(word));
    if (Slots[slot] == 0) {  // else the word's first line stands for it
      Fill(slot, start);
    }
  }

  void Fill(size_t slot, uint32_t start) {
    Slots[slot] = start + 1;
    if (++Words * 4 > Slots.size() * 3) {
      Grow();
    }
  }

  void Grow() {
    std::vector<uint32_t> old(Slots.size() * 2, 0);
    old.swap(Slots);
    for (const uint32_t entry : old) {
      if (entry != 0) {
        const std::string_view word = LineAt(entry - 1);
        Slots[SlotOf(word, Hash(word))] = entry;
      }
    }
  }

  std::string Text;
  std::vector<uint32_t> Slots;
  size_t Words = 0;
};

// The words of list that reference lacks, each followed by CR LF.
std::string WordsNotIn(const std::string& list, std::string reference) {
  const TWordSet known(std::move(reference), 0, 0);
  std::string added;
  ForEachLine(list, [&](std::string_view line) {
    if (!line.empty() && !known.Contains(line)) {
      added.append(line).append(kLineBreak);
    }
  });
  return added;
}

bool HoldsByteZero(const std::string& text) {
  return text.find('\0') != std::string::npos;
}

// The most bytes that appending the words of list can add (each word with
// CR LF, and a line break before the first), and the number of words.
size_t AppendedBytesAtMost(const std::string& list, size_t& words) {
  size_t bytes = 2;
  ForEachLine(list, [&](std::string_view line) {
    if (!line.empty()) {
      bytes += line.size() + 2;
      ++words;
    }
  });
  return bytes;
}

// The new list with the words of the old one that it lacks appended.
std::string MergedList(std::string newList, const std::string& oldList) {
  size_t words = 0;
  const size_t bytes = AppendedBytesAtMost(oldList, words);
  TWordSet merged(std::move(newList), bytes, words);
  ForEachLine(oldList, [&](std::string_view line) { merged.Add(line); });
  return merged.Release();
}

bool LiesIn(const std::string& realPath, const std::string& realFolder) {
  return !realFolder.empty() && realPath.size() > realFolder.size() &&
         realPath.compare(0, realFolder.size(), realFolder) == 0 &&
         realPath[realFolder.size()] == kPathDelimiter;
}

// Reads the file at path when it, with every link on the way resolved, lies
// in realFolder and is at most maxBytes long; false (nothing read) else.
bool ReadWithin(const std::string& path, const std::string& realFolder, std::string& bytes,
                size_t maxBytes) {
  const std::string real = CanonicalPath(path);
  if (real.empty() || !LiesIn(real, realFolder)) {
    return false;
  }
  try {
    bytes = ReadWholeFile(real, maxBytes);
    return true;
  } catch (...) {
    return false;
  }
}

bool HasDictionaryExtension(const std::string& name) {
  const std::string extension = kDictionaryExtension;
  return name.size() > extension.size() &&
         UpperCaseCp1252(name.substr(name.size() - extension.size())) == extension;
}

// The words lists that the dictionaries in the folder name, by their paths
// below it, read the way the game reads them: a name that is missing, too
// long or leads out of the folder gives the dictionary's own name.
std::set<std::string> NamedWordsLists(const std::string& dictionaries,
                                      const std::string& realFolder) {
  std::set<std::string> lists;
  std::vector<std::string> names;
  Os::ListFolder(dictionaries, names);
  for (const std::string& name : names) {
    std::string bytes;
    if (!HasDictionaryExtension(name) ||
        !ReadWithin(dictionaries + name, realFolder, bytes, kMaxStoredTextBytes)) {
      continue;
    }
    TStoredTextList dictionary;
    dictionary.ReadFromText(std::move(bytes));
    std::string list;
    dictionary.ReadString(kMainSection, kWordsListKey, true, list, kMaxWordsListNameLength);
    if (list.empty() || !IsContainedRelativePath(list)) {
      list = PathWithoutExtension(name);
    }
    lists.insert(WithSystemSeparators(list) + kWordsListExtension);
  }
  return lists;
}

std::string DictionariesOf(const std::string& programFolder) {
  return IncludeSlashIfNotEmpty(IncludeSlashIfNotEmpty(programFolder) + kDictionariesFolderName);
}

// The hidden record of the shipped list beside the list at path.
std::string ShippedRecordPath(const std::string& path) {
  return DirectoryOfPath(path) + kShippedPrefix + NameOfPath(path) + kShippedSuffix;
}

// Puts the words back into the list at path, which must lie in realFolder;
// a list that is gone is made anew from them.
void PutBackWords(const std::string& path, const std::string& realFolder,
                  const std::string& words) {
  PassingFunction("PutBackWords", [&](TFunScope& Fun) {
    const bool missing = Os::LinkStatus(path).Kind == Os::TFileKind::Missing;
    const std::string target = missing ? path : CanonicalPath(path);
    const std::string realTarget =
        missing ? IncludeSlashIfNotEmpty(CanonicalPath(DirectoryOfPath(path))) : target;
    if (!LiesIn(realTarget, realFolder)) {
      Fun.Fail("The words list leads out of the program folder.", path);
      return;
    }
    std::string list;
    if (!missing && !ReadFileBytes(target, list, kMaxListBytes)) {
      Fun.CalleeFailed();
      return;
    }
    if (HoldsByteZero(list)) {
      return;  // not a plain words list: it stays as it is
    }
    const size_t shippedBytes = list.size();
    const std::string merged = MergedList(std::move(list), words);
    Os::ClearLastError();
    if (merged.size() != shippedBytes && !ReplaceFileAtomically(target, merged)) {
      Fun.Fail("Failed to write file.", target, "", Os::LastError());
    }
  });
}

// Records each words list that the source folder ships, as it comes, beside
// the installed list; a record that cannot be written goes.
void RecordShippedLists(const std::string& sourceFolder, const std::string& realFolder) {
  const std::string source = DictionariesOf(sourceFolder);
  const std::string realSource = CanonicalPath(sourceFolder);
  const std::string installed = DictionariesOf(realFolder);
  for (const std::string& list : NamedWordsLists(source, realSource)) {
    const std::string record = ShippedRecordPath(installed + list);
    const std::string recordFolder = CanonicalPath(DirectoryOfPath(record));
    if (!LiesIn(recordFolder, realFolder)) {
      continue;
    }
    std::string shipped;
    const bool read = Os::LinkStatus(source + list).Kind == Os::TFileKind::Regular &&
                      ReadWithin(source + list, realSource, shipped, kMaxListBytes);
    if (!read || !ReplaceFileAtomically(record, shipped)) {
      Os::DeleteFile(record);
    }
  }
}
}  // namespace

std::string MergeAddedWords(const std::string& oldList, const std::string& newList) {
  if (HoldsByteZero(oldList) || HoldsByteZero(newList)) {
    return newList;
  }
  return MergedList(newList, oldList);
}

TAddedWords CollectAddedWords(const std::string& programFolder) {
  TAddedWords added;
  const std::string realFolder = CanonicalPath(programFolder);
  if (realFolder.empty()) {
    return added;
  }
  const std::string dictionaries = DictionariesOf(realFolder);
  for (const std::string& list : NamedWordsLists(dictionaries, realFolder)) {
    std::string words;
    if (!ReadWithin(dictionaries + list, realFolder, words, kMaxListBytes) ||
        HoldsByteZero(words)) {
      continue;
    }
    std::string shipped;
    if (ReadWithin(ShippedRecordPath(dictionaries + list), realFolder, shipped, kMaxListBytes) &&
        !HoldsByteZero(shipped)) {
      words = WordsNotIn(words, std::move(shipped));
    }
    if (!words.empty()) {
      added.emplace(list, std::move(words));
    }
  }
  return added;
}

void KeepAddedWords(const std::string& programFolder, const std::string& sourceFolder,
                    const TAddedWords& added) {
  PassingFunction("KeepAddedWords", [&](TFunScope& Fun) {
    const std::string realFolder = CanonicalPath(programFolder);
    if (realFolder.empty()) {
      Fun.Fail("Can not find directory.", programFolder);
      return;
    }
    const std::string dictionaries = DictionariesOf(realFolder);
    for (const auto& [list, words] : added) {
      PutBackWords(dictionaries + list, realFolder, words);
      Fun.CalleeFailed();
    }
    RecordShippedLists(sourceFolder, realFolder);
  });
}
