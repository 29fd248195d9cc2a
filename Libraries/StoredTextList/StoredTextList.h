#pragma once
// One settings text file held in memory: named sections of key lines
// ("name=value"), read and written value by value with typed operations, and
// loaded or saved whole. The list knows no keys of its own; the handlers
// given to it read or write every value of their file.
//
// The stored text form: a line "[name]" opens a section; every other line
// that is neither empty nor starts with ";" belongs to the section opened
// last (lines before the first section are dropped). Lines end at CR, LF or
// CR LF; a byte 0 ends the text. Lines are never trimmed. Section and key
// names compare without regard to letter case; of two equal sections the
// first is the one found. The written form lists the sections in the order
// they were created, each as its "[name]" line, its lines and one empty line,
// every line ending in CR LF.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The largest settings file that is read: far beyond any real one (a game of
// the largest board takes some 30 KB). A larger file is refused whole.
inline constexpr size_t kMaxStoredTextBytes = size_t{64} << 20;

class TStoredTextList {
 public:
  using THandler = std::function<void(TStoredTextList&)>;

  explicit TStoredTextList(std::string fileName = {});

  // Full path of the file; set by the constructor, LoadFrom and SaveAs.
  std::string FileName;
  // Reads the values after the file has been read. It fails by raising, or
  // by leaving GlobalFunStat at Error or above.
  THandler OnLoad;
  // Writes the values before the file is written; fails like OnLoad.
  THandler OnSave;

  // Replaces the content by the file (a missing file gives empty content,
  // which is no failure) and calls OnLoad. A path that names no regular file
  // (a folder, a pipe, a device) fails with a description of what it names,
  // without waiting on it; a file larger than kMaxStoredTextBytes fails with
  // a description that says so. On failure shows "Failed to load file.",
  // returns false and passes the failure on in GlobalFunStat. The content
  // takes little more than the file's size twice over.
  bool Load();
  bool LoadFrom(const std::string& fileName);

  // Asks before replacing an existing file when askOverwrite is set (false
  // on No, nothing written), calls OnSave, makes a read-only file writable
  // and replaces the file atomically with the written form, keeping its mode
  // (a link is replaced itself, its target stays). A folder, a pipe or a
  // device in the file's place fails with a description of what it is. On failure shows
  // "Failed to save file." and returns false; GlobalFunStat is left Perfect.
  bool Save(bool askOverwrite);
  // FileName := fileName, then Save. When there is no content yet it is
  // first read from the named file (empty when the file does not exist).
  bool SaveAs(const std::string& fileName, bool askOverwrite);

  // Removes every section; nothing when there is no content.
  void Clear();
  bool HasContent() const { return Present; }

  // Replaces the content by the bytes in the stored text form. Raises
  // (TRaisedError) for a text beyond 4 GB.
  void ReadFromText(std::string bytes);
  // The content in the written form; empty when there is none.
  std::string WrittenText() const;

  // Each read keeps the caller's value unless the file supplies an
  // acceptable one; a missing section or key leaves it unchanged.

  // Takes the text found when it is at most maxLength long and, unless
  // allowEmpty, not empty.
  void ReadString(const std::string& section, const std::string& key, bool allowEmpty,
                  std::string& value, size_t maxLength) const;
  // Takes the text found when it is exactly one character.
  void ReadChar(const std::string& section, const std::string& key, char& value) const;
  // True exactly for the text "TRUE", false for any other text found.
  void ReadBool(const std::string& section, const std::string& key, bool& value) const;
  // Takes a whole number within minimum..maximum (both included; note the
  // maximum comes first): decimal, or hexadecimal after "0x", "0X" or "$",
  // each with an optional leading "-".
  void ReadInteger(const std::string& section, const std::string& key, int32_t& value,
                   int32_t maximum, int32_t minimum) const;

  // Each write replaces the line of an existing key where it stands, or
  // appends the key at the end of its section; a new section is appended.
  // A written text is cut at its first CR, LF or byte 0, so that it stays
  // one line.
  void WriteString(const std::string& section, const std::string& key, const std::string& value);
  // A one-character text, or empty text for 0.
  void WriteChar(const std::string& section, const std::string& key, char value);
  // "TRUE" or "FALSE".
  void WriteBool(const std::string& section, const std::string& key, bool value);
  // Plain decimal, "-" for a negative number.
  void WriteInteger(const std::string& section, const std::string& key, int32_t value);

 private:
  // One kept line of the content: where its text lies in Text. A section's
  // name line is marked; the lines after it, up to the next one, are that
  // section's lines. Eight bytes a line, whatever its kind.
  struct TItem {
    uint32_t Start;
    uint32_t Length : 31;
    uint32_t IsSection : 1;
  };
  // The first line of each key of one section, by the key's capitals: open
  // addressing over item numbers plus one (0 marks a free slot).
  struct TKeyIndex {
    std::vector<uint32_t> Slots;
    size_t Keys = 0;
  };

  std::string_view LineOf(size_t item) const {
    return {Text.data() + Items[item].Start, Items[item].Length};
  }
  // The key of a key line's item; the name of a section line's item.
  std::string_view KeyNameAt(size_t item) const;
  std::string_view SectionNameAt(size_t item) const;
  // Item number of the first section of that name.
  std::optional<size_t> FindSection(const std::string& name) const;
  // The item after the section's last line.
  size_t SectionEnd(size_t section) const;
  // Adds the key of the line at that item unless an earlier line holds it.
  void AddToIndex(TKeyIndex& index, size_t item) const;
  // Adds the section at that item unless an earlier section has its name.
  void AddSectionToIndex(size_t item) const;
  // Item number of the line of the key in the section; nullopt when none.
  std::optional<size_t> FindLine(size_t section, const std::string& key) const;
  // The value of the first line of the key; nullopt when there is none.
  std::optional<std::string> FindValue(const std::string& section, const std::string& key) const;
  // Keeps the text in Text and returns its place.
  TItem Keep(std::string_view text, bool isSection);
  // Forgets every index and remembered lookup, after items moved.
  void ForgetLookups() const;

  bool Present = false;
  // The bytes of every kept line: the file as read, then each written text.
  std::string Text;
  std::vector<TItem> Items;
  // Built on the first lookup in a section and kept in step by the writes,
  // so that a file of thousands of keys is read and written in linear time.
  mutable std::unordered_map<size_t, TKeyIndex> KeyIndexes;
  // The first section of each name, built on the first section lookup and
  // kept in step when a section is appended, so that a file of thousands of
  // sections is read and written in linear time. Empty while not built.
  mutable TKeyIndex SectionIndex;
  // The last section looked up: a handler reads its keys section by section.
  mutable std::string LastSectionName;
  mutable std::optional<size_t> LastSection;
  mutable bool LastSectionKnown = false;
};

// True when the text is a whole number in the forms ReadInteger accepts;
// then value holds it. Numbers outside the 32-bit range are refused.
bool ParseStoredInteger(const std::string& text, int32_t& value);
