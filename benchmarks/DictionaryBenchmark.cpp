// Loading the largest generated dictionary, whose weights are computed from
// its words list, against loading that words list alone: reading the
// dictionary file and counting the letters should add little to the list.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

#include "Libraries/File/FileOperations.h"
#include "Libraries/OperatingSystem/OperatingSystem.h"
#include "dictionary/Dictionary.h"
#include "game/Game.h"
#include "lexicon/WordsList.h"

namespace {

// The program folder of this build, where the build lays out the dictionaries.
#ifndef GLYPHMASON_PROGRAM_FOLDER
#define GLYPHMASON_PROGRAM_FOLDER ""
#endif
const std::string kProgramFolder = GLYPHMASON_PROGRAM_FOLDER;
const std::string kDictionaryName = "German";

std::string DictionariesFolder() { return kProgramFolder + "/GlyphmasonDictionaries/"; }

bool DictionaryPresent(benchmark::State& state) {
  if (!FileExists(DictionariesFolder() + kDictionaryName + ".gmd")) {
    state.SkipWithError("the generated dictionaries are missing: build the GlyphmasonDictionaries target");
    return false;
  }
  return true;
}

void BM_LoadLargestWordsListFile(benchmark::State& state) {
  if (!DictionaryPresent(state)) {
    return;
  }
  const std::string path = DictionariesFolder() + kDictionaryName + ".txt";
  // One list loaded again and again, as the game's list is by each dictionary load.
  TWordsList list;
  for (auto _ : state) {
    list.LoadWordsListFile(path);
    benchmark::DoNotOptimize(list.Count());
  }
}
BENCHMARK(BM_LoadLargestWordsListFile)->Unit(benchmark::kMillisecond);

// The share of the letter count alone.
void BM_CountLettersOfLargestList(benchmark::State& state) {
  if (!DictionaryPresent(state)) {
    return;
  }
  TWordsList list;
  list.LoadWordsListFile(DictionariesFolder() + kDictionaryName + ".txt");
  TLetterData letters;
  const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ\xC4\xD6\xDC";
  std::copy(alphabet.begin(), alphabet.end(), letters.Alphabet.begin());
  TLetterCounts counts;
  for (auto _ : state) {
    benchmark::DoNotOptimize(CountLetters(list, letters, counts));
  }
}
BENCHMARK(BM_CountLettersOfLargestList)->Unit(benchmark::kMillisecond);

void BM_LoadLargestDictionaryWithComputedWeights(benchmark::State& state) {
  if (!DictionaryPresent(state)) {
    return;
  }
  const std::vector<std::string> previous = Os::CommandLine();
  Os::SetCommandLineForTesting({kProgramFolder + "/Glyphmason"});
  TSilentGameDisplay gameDisplay;
  TGame game(gameDisplay);
  TSilentDictionaryDisplay display;
  TDictionary dictionary(game, display);
  for (auto _ : state) {
    if (!dictionary.LoadDictionary(kDictionaryName + ".gmd") || !dictionary.AutoProbabilities) {
      state.SkipWithError("the dictionary did not load with computed weights");
      break;
    }
    benchmark::DoNotOptimize(game.Letters.LetterProbabilities[0]);
  }
  Os::SetCommandLineForTesting(previous);
}
BENCHMARK(BM_LoadLargestDictionaryWithComputedWeights)->Unit(benchmark::kMillisecond);

}  // namespace
