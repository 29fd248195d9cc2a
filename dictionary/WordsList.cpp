#include "dictionary/WordsList.h"

#include <array>
#include <cstring>
#include <limits>

#include "Libraries/Error/FunctionScope.h"
#include "Libraries/File/WholeFile.h"
#include "Libraries/OperatingSystem/OperatingSystem.h"
#include "Libraries/Text/Cp1252.h"

namespace {

// Texts and entry offsets are kept in 32 bits; a list beyond 2 GB is refused.
constexpr size_t kMaxTextBytes = std::numeric_limits<int32_t>::max();

// Each Windows-1252 byte and its capital, so that a lookup compares letters
// without regard to case.
const std::array<unsigned char, 256>& CapitalOf() {
  static const std::array<unsigned char, 256> table = [] {
    std::array<unsigned char, 256> capitals{};
    for (int byte = 0; byte < 256; ++byte) {
      capitals[byte] = static_cast<unsigned char>(UpperCaseCp1252(static_cast<char>(byte)));
    }
    return capitals;
  }();
  return table;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) {
    return false;
  }
  const auto& capital = CapitalOf();
  for (size_t i = 0; i < a.size(); ++i) {
    if (capital[static_cast<unsigned char>(a[i])] != capital[static_cast<unsigned char>(b[i])]) {
      return false;
    }
  }
  return true;
}

uint64_t Mix(uint64_t value) {
  value *= 0x9E3779B97F4A7C15ull;
  return value ^ (value >> 29);
}

// A hash of the word's capitals, taken eight bytes at a time.
uint32_t CaseFreeHash(std::string_view word) {
  const auto& capital = CapitalOf();
  uint64_t hash = word.size();
  uint64_t chunk = 0;
  size_t i = 0;
  for (; i + 8 <= word.size(); i += 8) {
    for (size_t k = 0; k < 8; ++k) {
      chunk = (chunk << 8) | capital[static_cast<unsigned char>(word[i + k])];
    }
    hash = Mix(hash ^ chunk);
    chunk = 0;
  }
  for (; i < word.size(); ++i) {
    chunk = (chunk << 8) | capital[static_cast<unsigned char>(word[i])];
  }
  hash = Mix(Mix(hash ^ chunk));
  return static_cast<uint32_t>(hash ^ (hash >> 32));
}

// The end of the line that starts at `from`: the first CR or LF, or `end`.
size_t LineEnd(const char* text, size_t from, size_t end) {
  size_t i = from;
  while (i < end && text[i] != '\n' && text[i] != '\r') {
    ++i;
  }
  return i;
}

}  // namespace

std::string_view TWordsList::Entry(int32_t index) const {
  const TEntry& entry = Entries[static_cast<size_t>(index)];
  return std::string_view(Text).substr(entry.Start, entry.Length);
}

std::vector<std::string> TWordsList::Lines() const {
  std::vector<std::string> lines;
  lines.reserve(Entries.size());
  for (int32_t i = 0; i < Count(); ++i) {
    lines.emplace_back(Entry(i));
  }
  return lines;
}

void TWordsList::Clear() {
  Text.clear();
  Entries.clear();
  Index.clear();
}

void TWordsList::LoadWordsListFile(const std::string& path) {
  TWordsList loaded;
  loaded.ReadWordsListText(ReadWholeFile(path));
  *this = std::move(loaded);
}

void TWordsList::ReadWordsListText(std::string bytes) {
  // A byte 0 ends the text.
  if (const void* zero = std::memchr(bytes.data(), 0, bytes.size())) {
    bytes.resize(static_cast<size_t>(static_cast<const char*>(zero) - bytes.data()));
  }
  if (bytes.size() > kMaxTextBytes) {
    Raise("The words list is too large.");
  }
  Clear();
  Text = std::move(bytes);
  const char* text = Text.data();
  const size_t end = Text.size();
  for (size_t start = 0; start < end;) {
    const size_t stop = LineEnd(text, start, end);
    Entries.push_back({static_cast<uint32_t>(start), static_cast<uint32_t>(stop - start)});
    start = stop + 1;
    if (stop + 1 < end && text[stop] == '\r' && text[stop + 1] == '\n') {
      ++start;
    }
  }

  size_t slots = 16;
  while (slots < Entries.size() * 2) {
    slots *= 2;
  }
  Index.assign(slots, TIndexSlot{0, 0});
  // Hashing every entry first lets the insertions fetch their slots ahead.
  std::vector<uint32_t> hashes(Entries.size());
  for (size_t i = 0; i < Entries.size(); ++i) {
    hashes[i] = CaseFreeHash(Entry(static_cast<int32_t>(i)));
  }
  constexpr size_t kAhead = 16;
  const size_t mask = Index.size() - 1;
  for (size_t i = 0; i < Entries.size(); ++i) {
    if (i + kAhead < Entries.size()) {
      __builtin_prefetch(&Index[hashes[i + kAhead] & mask]);
    }
    IndexEntry(static_cast<uint32_t>(i), hashes[i]);
  }
}

void TWordsList::SaveWordsListFile(const std::string& path) const {
  std::string bytes;
  bytes.reserve(Text.size() + Entries.size() * 2);
  for (int32_t i = 0; i < Count(); ++i) {
    bytes.append(Entry(i));
    bytes.append("\r\n");
  }
  Os::ClearLastError();
  if (!ReplaceFileAtomically(path, bytes)) {
    Raise("Failed to write the words list file \"" + path + "\": " +
          Os::SystemErrorMessage(Os::LastError()));
  }
}

int32_t TWordsList::FindWord(std::string_view word) const {
  if (Index.empty()) {
    return -1;
  }
  const uint32_t hash = CaseFreeHash(word);
  const size_t mask = Index.size() - 1;
  for (size_t i = hash & mask;; i = (i + 1) & mask) {
    const TIndexSlot& slot = Index[i];
    if (slot.EntryPlusOne == 0) {
      return -1;
    }
    const int32_t entry = static_cast<int32_t>(slot.EntryPlusOne - 1);
    if (slot.Hash == hash && EqualIgnoringCase(Entry(entry), word)) {
      return entry;
    }
  }
}

int32_t TWordsList::FindWordByScan(std::string_view word) const {
  for (int32_t i = 0; i < Count(); ++i) {
    if (EqualIgnoringCase(Entry(i), word)) {
      return i;
    }
  }
  return -1;
}

void TWordsList::AddWord(std::string_view word) {
  if (Text.size() + word.size() > kMaxTextBytes) {
    Raise("The words list is too large.");
  }
  const uint32_t start = static_cast<uint32_t>(Text.size());
  Text.append(word);
  Entries.push_back({start, static_cast<uint32_t>(word.size())});
  if (Entries.size() * 2 > Index.size()) {
    GrowIndex();
  }
  IndexEntry(static_cast<uint32_t>(Entries.size() - 1), CaseFreeHash(word));
}

void TWordsList::IndexEntry(uint32_t entry, uint32_t hash) {
  const std::string_view word = Entry(static_cast<int32_t>(entry));
  const size_t mask = Index.size() - 1;
  for (size_t i = hash & mask;; i = (i + 1) & mask) {
    TIndexSlot& slot = Index[i];
    if (slot.EntryPlusOne == 0) {
      slot = {hash, entry + 1};
      return;
    }
    // An equal word already indexed is an earlier entry: it stays the one found.
    if (slot.Hash == hash && EqualIgnoringCase(Entry(static_cast<int32_t>(slot.EntryPlusOne - 1)), word)) {
      return;
    }
  }
}

void TWordsList::GrowIndex() {
  std::vector<TIndexSlot> old = std::move(Index);
  Index.assign(old.empty() ? 16 : old.size() * 2, TIndexSlot{0, 0});
  const size_t mask = Index.size() - 1;
  for (const TIndexSlot& slot : old) {
    if (slot.EntryPlusOne != 0) {
      size_t i = slot.Hash & mask;
      while (Index[i].EntryPlusOne != 0) {
        i = (i + 1) & mask;
      }
      Index[i] = slot;
    }
  }
}

std::string WordsCountText(int32_t count, bool modified) {
  return "There are " + std::to_string(count) + " words in the words list" +
         (modified ? "; new words." : ".");
}
