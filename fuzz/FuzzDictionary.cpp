// Feeds arbitrary bytes to the dictionary reader, and counts them as a words
// list against the alphabet read: the letter data must stay in its ranges.

#include "dictionary/Dictionary.h"
#include "fuzz/FuzzSupport.h"
#include "game/Game.h"
#include "lexicon/WordsList.h"

int FuzzDictionary(const uint8_t* data, size_t size) {
  PointProgramNowhere();
  const std::string text = InputText(data, size);
  TStoredTextList list;
  list.ReadFromText(text);
  TSilentGameDisplay gameDisplay;
  TGame game(gameDisplay);
  TSilentDictionaryDisplay display;
  TDictionary dictionary(game, display);
  game.WordsListLines.ReadWordsListText(text);
  dictionary.ReadDictionary(list);
  Require(dictionary.ActiveLettersCount >= 0 && dictionary.ActiveLettersCount <= kMaxAlphabetSlots);
  for (int slot = 0; slot < kMaxAlphabetSlots; ++slot) {
    Require(game.Letters.LetterProbabilities[slot] >= 0 &&
            game.Letters.LetterProbabilities[slot] <= kMaxLetterProbability);
    Require(game.Letters.LetterScores[slot] >= 0 && game.Letters.LetterScores[slot] <= 10);
  }
  TLetterCounts counts;
  CountLetters(game.WordsListLines, game.Letters, counts);
  for (const int32_t weight : counts.Weights) {
    Require(weight >= 0 && weight <= kMaxLetterProbability);
  }
  return 0;
}

GLYPHMASON_FUZZ_ENTRY(FuzzDictionary)
