// Feeds arbitrary bytes to the stored text reader, as a settings file and as
// a dictionary, and to the letter count, as a words list. Any crash, hang,
// memory fault or undefined behaviour is a finding; so is a written form
// that does not read back as itself.

#include <cstddef>
#include <cstdint>
#include <string>

#include "Libraries/OperatingSystem/OperatingSystem.h"
#include "Libraries/StoredTextList/StoredTextList.h"
#include "dictionary/Dictionary.h"
#include "dictionary/WordsList.h"
#include "game/Game.h"

namespace {

// The dictionaries folder lies in a folder that does not exist, so that no
// words list is ever found or written.
bool PointProgramNowhere() {
  Os::SetCommandLineForTesting({"/nonexistent-glyphmason-fuzz/Glyphmason"});
  return true;
}

void ReadTypedValues(const TStoredTextList& list, const std::string& text) {
  // Names taken from the input itself, so that the reads find something.
  const size_t equals = text.find('=');
  const std::string key = equals == std::string::npos ? text.substr(0, 16) : text.substr(0, equals);
  std::string value;
  char letter = 0;
  bool flag = false;
  int32_t number = 0;
  for (const std::string& section : {std::string("Main"), std::string("Alphabet"), key}) {
    list.ReadString(section, key, false, value, 255);
    list.ReadChar(section, key, letter);
    list.ReadBool(section, key, flag);
    list.ReadInteger(section, key, number, 1000, -1000);
  }
  ParseStoredInteger(text.substr(0, 40), number);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool pointed = PointProgramNowhere();
  (void)pointed;
  const std::string text(reinterpret_cast<const char*>(data), size);

  TStoredTextList list;
  list.ReadFromText(text);
  const std::string written = list.WrittenText();
  TStoredTextList again;
  again.ReadFromText(written);
  if (again.WrittenText() != written) {
    __builtin_trap();
  }
  ReadTypedValues(list, text);

  TSilentGameDisplay gameDisplay;
  TGame game(gameDisplay);
  TSilentDictionaryDisplay display;
  TDictionary dictionary(game, display);
  dictionary.ReadDictionary(list);
  if (dictionary.ActiveLettersCount < 0 || dictionary.ActiveLettersCount > kMaxAlphabetSlots) {
    __builtin_trap();
  }

  game.WordsListLines.ReadWordsListText(text);
  TLetterCounts counts;
  CountLetters(game.WordsListLines, game.Letters, counts);
  for (const int32_t weight : counts.Weights) {
    if (weight < 0 || weight > kMaxLetterProbability) {
      __builtin_trap();
    }
  }
  return 0;
}
