#pragma once
// The current dictionary: which letters exist and how often each is drawn,
// the bonus by the number of letters placed, the font of the letters and the
// words list that belongs to it. Dictionaries are read-only settings files
// (".gmd") in the dictionaries folder; only their words lists are written
// back, when words were added. The dictionary fills the game's letter data
// and words list and tells the window what to show through
// IDictionaryDisplay.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "Libraries/StoredTextList/StoredTextList.h"
#include "game/Game.h"
#include "lexicon/LetterData.h"

class TWordsList;

inline constexpr const char* kDefaultDictionaryName = "English.gmd";
// A dictionary is usable only with this many letters of weight 1 or more.
inline constexpr int32_t kMinActiveLetters = 11;
// The weights are computed from a words list of at least this many entries.
inline constexpr int32_t kMinWordsForAutoProbabilities = 1000;
inline constexpr size_t kMaxDictionaryText = 255;
// Word lengths counted one by one; longer words (and empty entries) are
// counted together in length 0.
inline constexpr int kCountedWordLengths = 11;

// What the window shows of the dictionary.
class IDictionaryDisplay {
 public:
  virtual ~IDictionaryDisplay() = default;
  // DictionaryEdit and WordsListEdit.
  virtual void SetDictionaryNames(const std::string& dictionary, const std::string& wordsList) = 0;
  // The font of the stock panels and the board.
  virtual void SetLetterFont(const std::string& fontName) = 0;
  // The letters offered by the letter-choice dialog.
  virtual void SetChoiceLetters(const std::string& fontName,
                                const std::array<char, kMaxAlphabetSlots>& alphabet) = 0;
};

class TSilentDictionaryDisplay : public IDictionaryDisplay {
 public:
  void SetDictionaryNames(const std::string&, const std::string&) override {}
  void SetLetterFont(const std::string&) override {}
  void SetChoiceLetters(const std::string&, const std::array<char, kMaxAlphabetSlots>&) override {}
};

// The words list counted by letter and by word length.
struct TLetterCounts {
  // Letters that are in no slot of the alphabet.
  int64_t Outside = 0;
  std::array<int64_t, kMaxAlphabetSlots> Counts{};
  // Lengths[n] for words of n = 1..10 characters; Lengths[0] for longer
  // words and empty entries.
  std::array<int64_t, kCountedWordLengths> Lengths{};
  // Counts scaled so that the most frequent letter weighs 1000 and every
  // letter that occurs weighs at least 1; all 0 when no letter occurs.
  std::array<int32_t, kMaxAlphabetSlots> Weights{};
};

// Counts the entries of the words list with a to z raised to capitals (no
// other character changes); returns the number of characters found in the
// alphabet.
int64_t CountLetters(const TWordsList& words, const TLetterData& letters, TLetterCounts& counts);

class TDictionary {
 public:
  TDictionary(TGame& game, IDictionaryDisplay& display);
  TDictionary(const TDictionary&) = delete;
  TDictionary& operator=(const TDictionary&) = delete;

  // File name (with extension) of the current dictionary in the dictionaries
  // folder; empty when none is loaded.
  std::string DictionaryName = kDefaultDictionaryName;
  // The words list file without ".txt"; may hold a sub-path below the
  // dictionaries folder.
  std::string WordsListName;
  std::string FontName = kDefaultFontName;
  // The current weights were computed from the words list.
  bool AutoProbabilities = false;
  int32_t ActiveLettersCount = 0;
  // The dictionary file; reading it runs ReadDictionary.
  TStoredTextList DictionaryList;

  // Makes the named dictionary current and reads it with its words list.
  // True when it is usable (at least 11 active letters); otherwise warns,
  // resets the game display and empties the stock. A name that is not a
  // plain file name is no dictionary.
  bool LoadDictionary(const std::string& name);
  // Reads every dictionary value from the list (the load handler).
  void ReadDictionary(TStoredTextList& list);
  // Empties the letter data and the words list; the names stay.
  void ClearDictionary();
  // DictionaryEdit := DictionaryName without its extension, WordsListEdit :=
  // WordsListName.
  void ShowDictionaryNames();
  // The words list's file; names the list after the dictionary first when
  // WordsListName is empty. Backslashes in the name separate folders.
  std::string WordsListPath();
  // Writes the words list when words were added and a dictionary is loaded.
  // A list that is a link is written at its target when that lies within
  // the program's folders; a link leading elsewhere, a list whose folder
  // (a linked one on its path) lies elsewhere, a list marked read-only, and
  // a list that was not read line for line (a byte 0 cut it) are not
  // written. A failure shows "Failed to save dictionary." and is not passed
  // on.
  void SaveDictionary();

 private:
  void ReadDictionaryValues(TStoredTextList& list);
  // The letter data and counts of ClearDictionary, without the words list.
  void ClearLetters();
  void ClearWordsList();
  // Reads the words list file at path, unless the list holds that file
  // unchanged; a missing file leaves it empty. False when reading failed.
  bool ReadWordsList(const std::string& path);
  void ReadSlots(const TStoredTextList& list);
  void ComputeWeights();

  TGame& Game;
  IDictionaryDisplay& Display;
  // The last count of the words list's letters: the list's version then
  // and the alphabet counted by.
  struct TCountedLetters {
    uint64_t Version = 0;
    std::array<char, kMaxAlphabetSlots> Alphabet{};
    TLetterCounts Counts;
    int64_t Within = 0;
  };
  std::optional<TCountedLetters> Counted;
  // The words list was emptied or kept during the current read.
  bool WordsListSettled = false;
};
