#pragma once
// The words list: the known words of the current dictionary, one entry per
// line of its text file, kept in file order exactly as read (no trimming, no
// case change, duplicates and empty lines kept). Lookups ignore letter case
// and go through a hash index that every change of the list keeps in step.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Libraries/File/FileInfo.h"

// The largest words list file that is read: millions of words, far beyond
// any real list. A larger file is refused whole.
inline constexpr size_t kMaxWordsListBytes = size_t{128} << 20;

class TWordsList {
 public:
  TWordsList() = default;
  // Copied, never moved: a list moved from would keep its version without
  // its entries.
  TWordsList(const TWordsList&) = default;
  TWordsList& operator=(const TWordsList&) = default;

  // Number of entries, empty ones included.
  int32_t Count() const { return Starts.empty() ? 0 : static_cast<int32_t>(Starts.size() - 1); }
  // Entry 0..Count()-1 as read (empty text for any other index); valid
  // until the list next changes.
  std::string_view Entry(int32_t index) const {
    return index >= 0 && index < Count() ? EntryAt(static_cast<uint32_t>(index)) : std::string_view();
  }
  // All entries as owned texts, in list order.
  std::vector<std::string> Lines() const;

  void Clear();

  // Names the state of the entries, so that whatever was built over them
  // can tell whether the list has changed since. Every change (a read, a
  // clearing, a word added or removed) takes a new version, and no version
  // is given twice in the program's run: the same version means the same
  // entries, in any list (a copy keeps its original's). A new list has
  // version 0.
  uint64_t Version() const { return VersionNumber; }
  // The base of the list: its first BaseCount() entries, named by the
  // version they had when they became the base. Reading and clearing the
  // list make all its entries the base, and so does removing one of them;
  // words added after the base, and removed again, leave it as it is. So
  // while the base version stays, the base entries are as they were and
  // every entry after them is a word added since, and a structure built over
  // the base need not be built again.
  uint64_t BaseVersion() const { return BaseVersionNumber; }
  int32_t BaseCount() const { return BaseEntries; }

  // Replaces the entries by the lines of the file. A line ends at CR, LF or
  // CR LF; a byte 0 ends the text (the list is then not held line for line,
  // see HeldWhole); the line break after the last line makes no empty entry.
  // Raises (TRaisedError) when the file cannot be read or is larger than
  // kMaxWordsListBytes; the list is then left as it was.
  void LoadWordsListFile(const std::string& path);
  // The same line rules applied to bytes already in memory.
  void ReadWordsListText(std::string bytes);

  // The file the entries were just read from, by its stamp at the time, as
  // long as the list holds exactly what was read: any change of the entries
  // (a new version) forgets it. Reading that file again while its stamp is
  // the same would give the same list. A stamp that is not settled proves
  // nothing: it is not remembered, nor taken as the same.
  void RememberSourceFile(const TFileStamp& stamp) {
    Source = stamp.Settled ? std::optional<TFileAtVersion>({stamp, VersionNumber}) : std::nullopt;
  }
  bool HoldsFileAsRead(const TFileStamp& stamp) const {
    return stamp.Settled && Source.has_value() && Source->Version == VersionNumber &&
           Source->Stamp == stamp;
  }

  // False when the text last read held a byte 0: the lines after it were
  // never read, so writing the list back would lose them.
  bool HeldWhole() const { return !CutAtByteZero; }

  // Writes every entry followed by CR LF, replacing the file whole and in one
  // step, so a failed write leaves the previous file as it was. Raises
  // (TRaisedError) when the file cannot be written, and when the list is not
  // held whole (the file is then not touched).
  void SaveWordsListFile(const std::string& path) const;

  // True when the file at path holds exactly the bytes SaveWordsListFile
  // would write; false when it differs or cannot be read.
  bool FileHoldsList(const std::string& path) const;

  // The index of the first entry equal to the word when Windows-1252 letters
  // are compared without regard to case; -1 when none is.
  int32_t FindWord(std::string_view word) const;
  // The same result by walking the entries one by one (for comparison).
  int32_t FindWordByScan(std::string_view word) const;

  // Appends the word at the end; duplicates are not checked. Raises
  // (TRaisedError) for a word that holds a line break.
  void AddWord(std::string_view word);
  // Removes the last entry that equals the word byte for byte (as AddWord
  // appended it), so that taking back an added word restores the list;
  // later entries move up by one. False, and nothing changes, when no entry
  // equals it.
  bool RemoveWord(std::string_view word);

 private:
  // Entry `index` lies in Text from its start to the line break before the
  // next start. Starts holds one start more than there are entries: after
  // the last entry's line break, or one past Text's end when the last line
  // has none (Text's terminating 0 then stands in for the break).
  std::string_view EntryAt(uint32_t index) const {
    const uint32_t start = Starts[index];
    uint32_t end = Starts[index + 1] - 1;
    if (end > start && Text[end] == '\n' && Text[end - 1] == '\r') {
      --end;
    }
    return {Text.data() + start, end - start};
  }

  // A new version for a change of the entries; a change within the base
  // makes the entries then held a new base.
  void TakeNewVersion(bool baseChanged);
  void RemoveEntry(uint32_t entry);
  // Takes the last entry out of the index (it must be indexed in full),
  // and lets an equal earlier entry stand.
  void UnindexLastEntry() const;

  // An empty index with room for the expected number of different words.
  void ResetIndex(size_t expectedWords) const;
  void IndexEntry(uint32_t entry, uint32_t hash) const;
  // Moves the index into one with room for the expected number of different
  // words, unless it has that room already.
  void SizeIndexFor(size_t expectedWords) const;
  // Indexes every entry; the index is built on first use after a read.
  void BuildIndex() const;

  // The file's bytes with their line breaks; added words follow, each with
  // an LF. Four bytes of Starts and of Index per entry keep a list within
  // about three times its file's size.
  std::string Text;
  std::vector<uint32_t> Starts;
  // Open addressing over entry numbers plus one (0 marks a free slot), at
  // most three quarters full; holds the first entry of each word. Loading
  // again reuses the memory of Starts and Index.
  mutable std::vector<uint32_t> Index;
  mutable size_t IndexedWords = 0;
  // The entries were read and not yet indexed.
  mutable bool IndexPending = false;
  uint64_t VersionNumber = 0;
  uint64_t BaseVersionNumber = 0;
  int32_t BaseEntries = 0;
  // A file by its settled stamp, and the version of the list it held.
  struct TFileAtVersion {
    TFileStamp Stamp;
    uint64_t Version = 0;
  };
  std::optional<TFileAtVersion> Source;
  // The file this list was last written to or found in.
  mutable std::optional<TFileAtVersion> Written;
  bool CutAtByteZero = false;
};

// Why a list that is not held whole is never written back.
inline constexpr const char* kWordsListNotHeldWhole =
    "The words list holds a byte 0, so the lines after it were not read (a list saved as "
    "UTF-16 is such a file); it is not written back, so that they are kept.";

// "There are 1200 words in the words list; new words." while words were
// added, "There are 3 words in the words list." otherwise.
std::string WordsCountText(int32_t count, bool modified);
