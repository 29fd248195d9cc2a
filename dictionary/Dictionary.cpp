#include "dictionary/Dictionary.h"

#include <algorithm>
#include <vector>

#include "Libraries/Error/FunctionScope.h"
#include "Libraries/File/FileInfo.h"
#include "Libraries/File/FileOperations.h"
#include "Libraries/File/FullPath.h"
#include "Libraries/File/PathText.h"
#include "Libraries/File/WholeFile.h"
#include "Libraries/MyDialogs/MyDialogs.h"
#include "Libraries/MyMath/MyMath.h"
#include "Libraries/Program/ProgramPaths.h"
#include "Libraries/Text/Translation.h"
#include "game/Scoring.h"
#include "lexicon/WordsList.h"

namespace {

const char* const kMainSection = "Main";
const char* const kAlphabetSection = "Alphabet";
const char* const kLengthScoresSection = "LengthScores";
const char* const kWordsListExtension = ".txt";

// For each byte, the slot its capital (only a to z are raised) is counted in;
// -1 for letters outside the alphabet.
std::array<int8_t, 256> SlotsOfBytes(const TLetterData& letters) {
  std::array<int8_t, 256> slots{};
  for (int byte = 0; byte < 256; ++byte) {
    const char letter = static_cast<char>(byte >= 'a' && byte <= 'z' ? byte - 'a' + 'A' : byte);
    slots[byte] = static_cast<int8_t>(letters.LetterIndex(letter));
  }
  return slots;
}

// How often each byte occurs in the word. Four tables in turn, so that
// repeated letters do not wait for each other's counts.
void CountBytes(std::string_view word, std::array<std::array<int64_t, 256>, 4>& tables) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(word.data());
  size_t i = 0;
  for (; i + 4 <= word.size(); i += 4) {
    ++tables[0][bytes[i]];
    ++tables[1][bytes[i + 1]];
    ++tables[2][bytes[i + 2]];
    ++tables[3][bytes[i + 3]];
  }
  for (; i < word.size(); ++i) {
    ++tables[0][bytes[i]];
  }
}

// True when the path, given with its links resolved, is one of the folders
// or lies below one of them (their own links resolved too).
bool LiesWithin(const std::string& realPath, const std::vector<std::string>& folders) {
  for (const std::string& folder : folders) {
    const std::string inside = CanonicalPath(folder);
    if (!inside.empty() &&
        (realPath == inside || realPath.compare(0, inside.size() + 1, inside + "/") == 0)) {
      return true;
    }
  }
  return false;
}

}  // namespace

int64_t CountLetters(const TWordsList& words, const TLetterData& letters, TLetterCounts& counts) {
  counts = TLetterCounts{};
  std::array<std::array<int64_t, 256>, 4> tables{};
  for (int32_t entry = 0; entry < words.Count(); ++entry) {
    const std::string_view word = words.Entry(entry);
    ++counts.Lengths[word.size() < kCountedWordLengths ? word.size() : 0];
    CountBytes(word, tables);
  }
  const std::array<int8_t, 256> slots = SlotsOfBytes(letters);
  int64_t within = 0;
  for (int byte = 0; byte < 256; ++byte) {
    const int64_t count = tables[0][byte] + tables[1][byte] + tables[2][byte] + tables[3][byte];
    if (slots[byte] < 0) {
      counts.Outside += count;
    } else {
      counts.Counts[slots[byte]] += count;
      within += count;
    }
  }
  int64_t maximum = 0;
  for (const int64_t count : counts.Counts) {
    maximum = std::max(maximum, count);
  }
  // Without any letter of the alphabet there is nothing to scale: all
  // weights stay 0.
  if (maximum == 0) {
    return within;
  }
  for (int slot = 0; slot < kMaxAlphabetSlots; ++slot) {
    const int64_t count = counts.Counts[slot];
    const int64_t weight =
        RoundHalfUp(static_cast<double>(count) * kMaxLetterProbability / static_cast<double>(maximum));
    counts.Weights[slot] = static_cast<int32_t>(count >= 1 && weight < 1 ? 1 : weight);
  }
  return within;
}

TDictionary::TDictionary(TGame& game, IDictionaryDisplay& display) : Game(game), Display(display) {
  DictionaryList.OnLoad = [this](TStoredTextList& list) { ReadDictionary(list); };
}

void TDictionary::ClearDictionary() {
  ClearLetters();
  ClearWordsList();
}

void TDictionary::ShowDictionaryNames() {
  Display.SetDictionaryNames(PathWithoutExtension(DictionaryName), WordsListName);
}

std::string TDictionary::WordsListPath() {
  if (WordsListName.empty()) {
    WordsListName = PathWithoutExtension(DictionaryName);
  }
  // Lists made on Windows name their sub-folders with backslashes.
  return DictionariesDirectory() + WithSystemSeparators(WordsListName) + kWordsListExtension;
}

bool TDictionary::LoadDictionary(const std::string& name) {
  // The error dialog shows its message in the player's language.
  return ShowingPassingFunction("TGlyphmasonForm::LoadDictionary",
                                TranslatableText("TErrorForm", "Failed to load dictionary."),
                                [&](TFunScope& Fun) {
    try {
      Display.SetDictionaryNames("", "");
      DictionaryName.clear();
      WordsListName.clear();
      const std::string path = DictionariesDirectory() + name;
      if (IsPlainFileName(name) && FileExists(path)) {
        DictionaryName = name;
        // A failed read has been shown already and leaves what was read.
        DictionaryList.LoadFrom(path);
        ShowDictionaryNames();
      } else {
        ClearDictionary();
        ShowDictionaryNames();
        ShowWarningDialog(Translated("Dictionary", "There is no such dictionary."));
      }
      Game.ShowWordsCount();
      if (ActiveLettersCount < kMinActiveLetters) {
        ShowWarningDialog(Translated(
            "Dictionary",
            "There aren't enough active letters to form an alphabet. \nChange the dictionary!"));
        Game.ResetGameDisplay();
        Game.ClearStock();
        return false;
      }
      return true;
    } catch (...) {
      Fun.RecordCurrentException();
      Game.ResetGameDisplay();
      ClearDictionary();
      ShowDictionaryNames();
      Game.ClearStock();
      return false;
    }
  });
}

void TDictionary::ReadDictionary(TStoredTextList& list) {
  // The words list is emptied once its file is known, unless that file is
  // the one it holds unchanged; a failure before then empties it as well.
  ClearLetters();
  try {
    ReadDictionaryValues(list);
  } catch (...) {
    if (!WordsListSettled) {
      ClearWordsList();
    }
    throw;
  }
}

void TDictionary::ClearLetters() {
  AutoProbabilities = false;
  ActiveLettersCount = 0;
  Game.Letters.Clear();
  WordsListSettled = false;
}

void TDictionary::ClearWordsList() {
  Game.WordsListModified = false;
  Game.WordsListLines.Clear();
  WordsListSettled = true;
}

bool TDictionary::ReadWordsList(const std::string& path) {
  TFileStamp stamp;
  const bool stamped = FileExists(path) && GetFileStamp(path, stamp);
  // The same file, unchanged and without added words, would be read into
  // the same list: it is kept, and with it whatever was built over it.
  if (stamped && !Game.WordsListModified && Game.WordsListLines.HoldsFileAsRead(stamp)) {
    WordsListSettled = true;
    return true;
  }
  ClearWordsList();
  if (!FileExists(path)) {
    return true;
  }
  std::string bytes;
  if (!ReadFileBytes(path, bytes, kMaxWordsListBytes)) {
    return false;
  }
  Game.WordsListLines.ReadWordsListText(std::move(bytes));
  // Taken before the read: a change during it shows as a new stamp next time.
  if (stamped) {
    Game.WordsListLines.RememberSourceFile(stamp);
  }
  return true;
}

void TDictionary::ReadDictionaryValues(TStoredTextList& list) {
  std::string wordsListName = WordsListName;
  list.ReadString(kMainSection, "WordsListName", true, wordsListName, kMaxDictionaryText);
  // The words list is written back at every game save, so its name must
  // stay inside the dictionaries folder.
  if (wordsListName.empty() || IsContainedRelativePath(wordsListName)) {
    WordsListName = wordsListName;
  }
  FontName = kDefaultFontName;
  list.ReadString(kMainSection, "FontName", true, FontName, kMaxDictionaryText);
  Display.SetLetterFont(FontName);

  std::string alphabet;
  list.ReadString(kMainSection, "Alphabet", true, alphabet, kMaxDictionaryText);
  if (!alphabet.empty()) {
    AutoProbabilities = true;
    // Letters beyond the 40 slots have no place and are left out.
    for (size_t i = 0; i < alphabet.size() && i < kMaxAlphabetSlots; ++i) {
      Game.Letters.Alphabet[i] = alphabet[i];
    }
  }
  if (!ReadWordsList(WordsListPath())) {
    return;  // the failure stays in GlobalFunStat for the load to report
  }
  if (AutoProbabilities && Game.WordsListLines.Count() < kMinWordsForAutoProbabilities) {
    AutoProbabilities = false;
    ShowErrorDialog(Translated("Dictionary",
                               "There are not enough words in the words list\nto automatically "
                               "calculate letter probabilities."));
  }
  if (AutoProbabilities) {
    ComputeWeights();
  } else {
    ReadSlots(list);
  }
  for (int32_t slot = 0; slot < kMaxAlphabetSlots; ++slot) {
    Game.Letters.LetterScores[slot] = CalculateLetterScore(Game.Letters, slot);
  }
  for (int32_t n = 1; n <= kLengthScoreSlots; ++n) {
    list.ReadInteger(kLengthScoresSection, std::to_string(n), Game.Letters.LengthScores[n - 1],
                     kMaxLetterProbability, 0);
  }
  Display.SetChoiceLetters(FontName, Game.Letters.Alphabet);
}

void TDictionary::ReadSlots(const TStoredTextList& list) {
  for (int32_t slot = 0; slot < kMaxAlphabetSlots; ++slot) {
    const std::string index = std::to_string(slot);
    Game.Letters.Alphabet[slot] = 0;
    list.ReadChar(kAlphabetSection, "Char" + index, Game.Letters.Alphabet[slot]);
    Game.Letters.LetterProbabilities[slot] = 0;
    list.ReadInteger(kAlphabetSection, "Prob" + index, Game.Letters.LetterProbabilities[slot],
                     kMaxLetterProbability, 0);
    // A slot with a weight but no letter counts as active too.
    if (Game.Letters.LetterProbabilities[slot] >= 1) {
      ++ActiveLettersCount;
    }
  }
}

void TDictionary::ComputeWeights() {
  // A list kept from the last load, with the same alphabet, counts as before.
  const TWordsList& words = Game.WordsListLines;
  if (!Counted.has_value() || Counted->Version != words.Version() ||
      Counted->Alphabet != Game.Letters.Alphabet) {
    TCountedLetters counted{words.Version(), Game.Letters.Alphabet, {}, 0};
    counted.Within = CountLetters(words, Game.Letters, counted.Counts);
    Counted = counted;
  }
  const TLetterCounts& counts = Counted->Counts;
  const int64_t within = Counted->Within;
  Game.Letters.LetterProbabilities = counts.Weights;
  // Every slot holding a letter is active, whatever its code; a words list
  // without any letter of the alphabet gives no weights and no active letter.
  if (within == 0) {
    return;
  }
  for (const char letter : Game.Letters.Alphabet) {
    if (letter != 0) {
      ++ActiveLettersCount;
    }
  }
}

void TDictionary::SaveDictionary() {
  ShowingFunction("TGlyphmasonForm::SaveDictionary",
                  TranslatableText("TErrorForm", "Failed to save dictionary."),
                  [&](TFunScope& Fun) {
    if (!Game.WordsListModified || DictionaryName.empty()) {
      return;
    }
    // A list shared through a link gets the new words itself, as long as
    // the link stays within the program's folders; so must every folder on
    // the way to it, a linked one included.
    const std::vector<std::string> folders = {GetProgramDirectory(), DictionariesDirectory()};
    const std::string listPath = WordsListPath();
    const std::string path = ResolveLinkWithin(listPath, folders);
    // A missing folder is left to the write, which fails.
    const std::string folder = CanonicalPath(DirectoryOfPath(listPath));
    if (!folder.empty() && !LiesWithin(folder, folders)) {
      Fun.Fail("A folder on the words list's path leads out of the program's folders.", listPath);
    } else if (path.empty()) {
      Fun.Fail("The words list is a link that leads out of the program's folders.", listPath);
    } else if (!Game.WordsListLines.HeldWhole()) {
      Fun.Fail(kWordsListNotHeldWhole, path);
    } else if (IsReadOnly(path)) {
      Fun.Fail("The words list file is read-only.", path);
    } else if (!Game.WordsListLines.FileHoldsList(path)) {
      // A file that holds the list already, as after an earlier save of the
      // same new words, is left as it is.
      Game.WordsListLines.SaveWordsListFile(path);
    }
  });
}
