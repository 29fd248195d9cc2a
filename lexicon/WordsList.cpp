#include "lexicon/WordsList.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <bit>
#include <cstring>
#include <limits>

#include "Libraries/Error/FunctionScope.h"
#include "Libraries/File/WholeFile.h"
#include "Libraries/OperatingSystem/OperatingSystem.h"
#include "Libraries/Text/Cp1252.h"
#include "Libraries/Text/Translation.h"

// Chunks of eight bytes are read as numbers whose lowest byte comes first.
static_assert(std::endian::native == std::endian::little);

namespace {

// Texts and entry offsets are kept in 32 bits; a list beyond 2 GB is refused.
constexpr size_t kMaxTextBytes = std::numeric_limits<int32_t>::max();

// An index slot holds the entry's number plus one in its low bits and the
// top bits of the word's hash above them, so that most other words are told
// apart without reading their text.
constexpr int kEntryBits = 28;
constexpr uint32_t kEntryMask = (uint32_t{1} << kEntryBits) - 1;
// A list of more entries is refused.
constexpr size_t kMaxEntries = kEntryMask - 1;

uint32_t HashTag(uint32_t hash) {
  return hash & ~kEntryMask;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) {
    return false;
  }
  const auto& capital = Cp1252Capitals();
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

constexpr uint64_t kEveryByte = 0x0101010101010101ull;
constexpr uint64_t kHighBits = 0x8080808080808080ull;

// Up to eight bytes of the text as one number, without reading past them.
uint64_t LoadBytes(const char* bytes, size_t count) {
  uint64_t value = 0;
  std::memcpy(&value, bytes, count);
  return value;
}

// The capitals of eight bytes at once: plain ASCII turns a..z into A..Z
// arithmetically, other bytes go through the code page's table. Bytes of
// value 0 that pad a short chunk stay 0.
uint64_t CapitalsOf(uint64_t chunk) {
  if ((chunk & kHighBits) == 0) {
    const uint64_t fromA = chunk + kEveryByte * (0x80 - 'a');
    const uint64_t pastZ = chunk + kEveryByte * (0x80 - 'z' - 1);
    const uint64_t small = (fromA ^ pastZ) & kHighBits;
    return chunk ^ (small >> 2);
  }
  const auto& capital = Cp1252Capitals();
  uint64_t result = 0;
  for (int shift = 0; shift < 64; shift += 8) {
    result |= uint64_t{capital[(chunk >> shift) & 0xFF]} << shift;
  }
  return result;
}

// The hash of a word is built chunk by chunk, eight bytes at a time from the
// word's start, and finished with its length; loading builds it in the same
// pass that finds the line ends.
uint64_t AddChunk(uint64_t hash, uint64_t chunk) { return Mix(hash ^ CapitalsOf(chunk)); }

uint32_t FinishHash(uint64_t hash, size_t length) {
  hash = Mix(Mix(hash ^ length));
  return static_cast<uint32_t>(hash ^ (hash >> 32));
}

// A hash of the word's capitals.
uint32_t CaseFreeHash(std::string_view word) {
  uint64_t hash = 0;
  size_t i = 0;
  for (; i + 8 <= word.size(); i += 8) {
    hash = AddChunk(hash, LoadBytes(word.data() + i, 8));
  }
  if (i < word.size()) {
    hash = AddChunk(hash, LoadBytes(word.data() + i, word.size() - i));
  }
  return FinishHash(hash, word.size());
}

// How many bytes have their high bit marked, when no other bit is set: by
// multiplication, since without a popcount instruction std::popcount is a
// library call.
size_t MarkedBytes(uint64_t marks) {
  return static_cast<size_t>(((marks >> 7) * kEveryByte) >> 56);
}

// The number of lines of the text: every CR, LF or CR LF ends one, and a
// last line without a break counts too.
size_t CountLines(const char* text, size_t end) {
  constexpr uint64_t kLowBits = ~kHighBits;
  // High bit set exactly in the bytes of value 0 (no false marks).
  const auto zeroBytes = [](uint64_t v) { return ~(((v & kLowBits) + kLowBits) | v | kLowBits); };
  size_t count = 0;
  // A CR that ends one chunk and an LF that begins the next are one break.
  bool crBefore = false;
  size_t i = 0;
  for (; i + 8 <= end; i += 8) {
    const uint64_t chunk = LoadBytes(text + i, 8);
    const uint64_t lf = zeroBytes(chunk ^ (kEveryByte * '\n'));
    const uint64_t cr = zeroBytes(chunk ^ (kEveryByte * '\r'));
    count += MarkedBytes(lf | cr) - MarkedBytes(cr & (lf >> 8));
    count -= crBefore && (lf & 0x80) != 0;
    crBefore = (cr >> 63) != 0;
  }
  for (; i < end; ++i) {
    const bool lf = text[i] == '\n';
    count += (lf && !crBefore) || text[i] == '\r';
    crBefore = text[i] == '\r';
  }
  return count + (end > 0 && text[end - 1] != '\n' && text[end - 1] != '\r');
}

// Marks the bytes of the chunk that are CR or LF with their high bit, and
// no others.
uint64_t ExactLineBreakBytes(uint64_t chunk) {
  constexpr uint64_t kLowBits = ~kHighBits;
  const auto zeroBytes = [](uint64_t v) { return ~(((v & kLowBits) + kLowBits) | v | kLowBits); };
  return zeroBytes(chunk ^ (kEveryByte * '\n')) | zeroBytes(chunk ^ (kEveryByte * '\r'));
}

// The versions of every list come from one count, so that no two states
// of entries share one.
uint64_t NextVersion() {
  static std::atomic<uint64_t> last{0};
  return last.fetch_add(1, std::memory_order_relaxed) + 1;
}

}  // namespace

void TWordsList::TakeNewVersion(bool baseChanged) {
  VersionNumber = NextVersion();
  if (baseChanged) {
    BaseVersionNumber = VersionNumber;
  }
}

std::vector<std::string> TWordsList::Lines() const {
  std::vector<std::string> lines;
  lines.reserve(static_cast<size_t>(Count()));
  for (int32_t i = 0; i < Count(); ++i) {
    lines.emplace_back(Entry(i));
  }
  return lines;
}

void TWordsList::Clear() {
  Text.clear();
  Starts.clear();
  Index.clear();
  IndexedWords = 0;
  IndexPending = false;
  TakeNewVersion(true);
  BaseEntries = 0;
  CutAtByteZero = false;
}

void TWordsList::LoadWordsListFile(const std::string& path) {
  // Reading raises before anything of the list changes.
  ReadWordsListText(ReadWholeFile(path, kMaxWordsListBytes));
}

void TWordsList::ReadWordsListText(std::string bytes) {
  // A byte 0 ends the text.
  const void* zero = std::memchr(bytes.data(), 0, bytes.size());
  if (zero != nullptr) {
    bytes.resize(static_cast<size_t>(static_cast<const char*>(zero) - bytes.data()));
  }
  const size_t lines = CountLines(bytes.data(), bytes.size());
  if (bytes.size() > kMaxTextBytes || lines > kMaxEntries) {
    Raise("The words list is too large.");
  }
  CutAtByteZero = zero != nullptr;
  TakeNewVersion(true);
  BaseEntries = 0;
  Starts.clear();
  Text = std::move(bytes);
  const char* text = Text.data();
  const size_t end = Text.size();
  Starts.reserve(lines + 1);
  // An entry starts at the text's start and after every line break; the LF
  // of a CR LF moves the start its CR set. The last start lies past the
  // last line's break, or one past the end when the last line has none.
  Starts.push_back(0);
  const auto lineBreak = [&](size_t at) {
    if (text[at] == '\n' && at > 0 && text[at - 1] == '\r') {
      Starts.back() = static_cast<uint32_t>(at + 1);
    } else {
      Starts.push_back(static_cast<uint32_t>(at + 1));
    }
  };
  size_t i = 0;
  for (; i + 8 <= end; i += 8) {
    for (uint64_t marks = ExactLineBreakBytes(LoadBytes(text + i, 8)); marks != 0;
         marks &= marks - 1) {
      lineBreak(i + static_cast<size_t>(std::countr_zero(marks) / 8));
    }
  }
  for (; i < end; ++i) {
    if (text[i] == '\n' || text[i] == '\r') {
      lineBreak(i);
    }
  }
  if (end > 0 && text[end - 1] != '\n' && text[end - 1] != '\r') {
    Starts.push_back(static_cast<uint32_t>(end + 1));
  }
  BaseEntries = Count();
  // The index waits for the first lookup or added word: a list read only to
  // be counted or searched through its word graph never needs it.
  IndexPending = true;
}

void TWordsList::BuildIndex() const {
  IndexPending = false;
  const size_t count = static_cast<size_t>(Count());
  // The index is sized for the first entries, then once for as many
  // different words as their share among those entries foretells: a list of
  // different words gets its whole index at once instead of growing through
  // twice its size, and a list of many repeated lines keeps a small one.
  constexpr size_t kSampleLines = 4096;
  ResetIndex(std::min(count, kSampleLines));
  // Each entry's index slot is fetched from memory as soon as its hash is
  // known, and the entry is inserted a few entries later, when the slot is
  // at hand.
  constexpr size_t kAhead = 16;
  std::array<uint32_t, kAhead> hashes{};
  for (size_t entry = 0; entry < count; ++entry) {
    const uint32_t hash = CaseFreeHash(EntryAt(static_cast<uint32_t>(entry)));
    if (entry >= kAhead) {
      IndexEntry(static_cast<uint32_t>(entry - kAhead), hashes[entry % kAhead]);
      if (entry - kAhead + 1 == kSampleLines) {
        SizeIndexFor(count * IndexedWords / kSampleLines);
      }
    }
    hashes[entry % kAhead] = hash;
    __builtin_prefetch(&Index[hash & (Index.size() - 1)]);
  }
  for (size_t entry = count > kAhead ? count - kAhead : 0; entry < count; ++entry) {
    IndexEntry(static_cast<uint32_t>(entry), hashes[entry % kAhead]);
  }
}

void TWordsList::SaveWordsListFile(const std::string& path) const {
  if (!HeldWhole()) {
    Raise(kWordsListNotHeldWhole);
  }
  std::string bytes;
  bytes.reserve(Text.size() + static_cast<size_t>(Count()) * 2);
  for (int32_t i = 0; i < Count(); ++i) {
    bytes.append(Entry(i));
    bytes.append("\r\n");
  }
  Os::ClearLastError();
  if (!ReplaceFileAtomically(path, bytes)) {
    Raise("Failed to write the words list file \"" + path + "\": " +
          Os::SystemErrorMessage(Os::LastError()));
  }
  TFileStamp stamp;
  if (GetFileStamp(path, stamp) && stamp.Settled &&
      stamp.Size == static_cast<int64_t>(bytes.size())) {
    Written = TFileAtVersion{stamp, VersionNumber};
  }
}

bool TWordsList::FileHoldsList(const std::string& path) const {
  TFileStamp stamp;
  if (!GetFileStamp(path, stamp)) {
    return false;
  }
  // Unchanged since this very list was written there or found there.
  if (stamp.Settled && Written.has_value() && Written->Stamp == stamp &&
      Written->Version == VersionNumber) {
    return true;
  }
  size_t size = 0;
  for (int32_t i = 0; i < Count(); ++i) {
    size += Entry(i).size() + 2;
  }
  if (stamp.Size < 0 || static_cast<size_t>(stamp.Size) != size) {
    return false;
  }
  std::string bytes;
  try {
    // A file that grew since its size was taken is refused here.
    bytes = ReadWholeFile(path, size);
  } catch (...) {
    return false;
  }
  if (bytes.size() != size) {
    return false;
  }
  size_t at = 0;
  for (int32_t i = 0; i < Count(); ++i) {
    const std::string_view entry = Entry(i);
    if (bytes.compare(at, entry.size(), entry) != 0 || bytes[at + entry.size()] != '\r' ||
        bytes[at + entry.size() + 1] != '\n') {
      return false;
    }
    at += entry.size() + 2;
  }
  if (stamp.Settled) {
    Written = TFileAtVersion{stamp, VersionNumber};
  }
  return true;
}

int32_t TWordsList::FindWord(std::string_view word) const {
  if (IndexPending) {
    BuildIndex();
  }
  if (Index.empty()) {
    return -1;
  }
  const uint32_t hash = CaseFreeHash(word);
  const uint32_t tag = HashTag(hash);
  const size_t mask = Index.size() - 1;
  for (size_t i = hash & mask;; i = (i + 1) & mask) {
    const uint32_t slot = Index[i];
    if (slot == 0) {
      return -1;
    }
    const uint32_t entry = (slot & kEntryMask) - 1;
    if (HashTag(slot) == tag && EqualIgnoringCase(EntryAt(entry), word)) {
      return static_cast<int32_t>(entry);
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
  if (word.find_first_of("\r\n") != std::string_view::npos) {
    Raise("A word holds no line break.");
  }
  if (Text.size() + word.size() + 2 > kMaxTextBytes ||
      static_cast<size_t>(Count()) >= kMaxEntries) {
    Raise("The words list is too large.");
  }
  TakeNewVersion(false);
  if (Starts.empty()) {
    Starts.push_back(0);
  }
  // The last line gets the break it lacked, so that the new entry starts
  // where the starts say.
  if (Starts.back() > Text.size()) {
    Text += '\n';
  }
  Text.append(word);
  Text += '\n';
  Starts.push_back(static_cast<uint32_t>(Text.size()));
  if (IndexPending) {
    BuildIndex();
  }
  if (Index.empty()) {
    ResetIndex(1);
  }
  IndexEntry(static_cast<uint32_t>(Count() - 1), CaseFreeHash(word));
}

bool TWordsList::RemoveWord(std::string_view word) {
  // The word to take back is usually the last entry.
  for (int32_t i = Count() - 1; i >= 0; --i) {
    if (EntryAt(static_cast<uint32_t>(i)) == word) {
      RemoveEntry(static_cast<uint32_t>(i));
      return true;
    }
  }
  return false;
}

void TWordsList::RemoveEntry(uint32_t entry) {
  const bool withinBase = entry < static_cast<uint32_t>(BaseEntries);
  TakeNewVersion(withinBase);
  // The last entry leaves the index on its own; any other moves the entries
  // after it, whose numbers the index holds, so the index is built anew on
  // its next use.
  if (entry + 1 == static_cast<uint32_t>(Count()) && !IndexPending) {
    UnindexLastEntry();
  } else {
    IndexPending = true;
  }
  // The entry goes with its line break; a last line without one ends at
  // Text's end.
  const uint32_t start = Starts[entry];
  const uint32_t end = std::min(Starts[entry + 1], static_cast<uint32_t>(Text.size()));
  Text.erase(start, end - start);
  Starts.erase(Starts.begin() + entry + 1);
  for (size_t i = entry + 1; i < Starts.size(); ++i) {
    Starts[i] -= end - start;
  }
  if (withinBase) {
    BaseEntries = Count();
  }
}

void TWordsList::UnindexLastEntry() const {
  if (Index.empty()) {
    return;
  }
  const uint32_t entry = static_cast<uint32_t>(Count() - 1);
  const std::string_view word = EntryAt(entry);
  const uint32_t hash = CaseFreeHash(word);
  const size_t mask = Index.size() - 1;
  size_t hole = hash & mask;
  for (;; hole = (hole + 1) & mask) {
    const uint32_t slot = Index[hole];
    if (slot == 0) {
      return;
    }
    if (HashTag(slot) == HashTag(hash) &&
        EqualIgnoringCase(EntryAt((slot & kEntryMask) - 1), word)) {
      if ((slot & kEntryMask) - 1 != entry) {
        return;  // an earlier equal entry stays the one found
      }
      break;
    }
  }
  // The slots after the hole, up to a free one, move into it when the hole
  // lies on their way from their own first slot.
  for (size_t i = (hole + 1) & mask; Index[i] != 0; i = (i + 1) & mask) {
    const size_t home = CaseFreeHash(EntryAt((Index[i] & kEntryMask) - 1)) & mask;
    if (((i - home) & mask) >= ((i - hole) & mask)) {
      Index[hole] = Index[i];
      hole = i;
    }
  }
  Index[hole] = 0;
  --IndexedWords;
}

namespace {
// The slots of an index for that many different words: a power of two, at
// most three quarters full.
size_t IndexSlotsFor(size_t words) {
  size_t slots = 16;
  while (slots * 3 < words * 4) {
    slots *= 2;
  }
  return slots;
}
}  // namespace

void TWordsList::ResetIndex(size_t expectedWords) const {
  Index.assign(IndexSlotsFor(expectedWords), 0);
  IndexedWords = 0;
}

void TWordsList::IndexEntry(uint32_t entry, uint32_t hash) const {
  const size_t mask = Index.size() - 1;
  const std::string_view word = EntryAt(entry);
  for (size_t i = hash & mask;; i = (i + 1) & mask) {
    uint32_t& slot = Index[i];
    if (slot == 0) {
      slot = HashTag(hash) | (entry + 1);
      break;
    }
    // An equal word already indexed is an earlier entry: it stays the one found.
    if (HashTag(slot) == HashTag(hash) &&
        EqualIgnoringCase(EntryAt((slot & kEntryMask) - 1), word)) {
      return;
    }
  }
  ++IndexedWords;
  if (IndexedWords * 4 > Index.size() * 3) {
    SizeIndexFor(IndexedWords * 2);
  }
}

void TWordsList::SizeIndexFor(size_t expectedWords) const {
  const size_t slots = IndexSlotsFor(expectedWords);
  if (slots <= Index.size()) {
    return;
  }
  std::vector<uint32_t> old = std::move(Index);
  Index.assign(slots, 0);
  const size_t mask = Index.size() - 1;
  for (const uint32_t slot : old) {
    if (slot != 0) {
      size_t i = CaseFreeHash(EntryAt((slot & kEntryMask) - 1)) & mask;
      while (Index[i] != 0) {
        i = (i + 1) & mask;
      }
      Index[i] = slot;
    }
  }
}

std::string WordsCountText(int32_t count, bool modified) {
  // English says "words" for any count; other languages get their plural forms.
  if (modified) {
    //: Label, 290 px wide; "new words": words the player added, not yet saved
    return Translated("WordsList", "There are %n words in the words list; new words.", nullptr,
                      count);
  }
  //: Label, 290 px wide
  return Translated("WordsList", "There are %n words in the words list.", nullptr, count);
}
