// Loading the largest generated dictionary, whose weights are computed from
// its words list, against loading that words list alone: reading the
// dictionary file and counting the letters should add little to the list.
// Then the memory that reading a large settings file or words list takes at
// its peak, against the file's size (counted through operator new).

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <new>
#include <string>

#include "Libraries/File/FileOperations.h"
#include "Libraries/File/WholeFile.h"
#include "Libraries/Install/KeptWords.h"
#include "Libraries/OperatingSystem/OperatingSystem.h"
#include "Libraries/StoredTextList/StoredTextList.h"
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

// --- Peak memory of reading large files --------------------------------------

std::atomic<int64_t> HeapBytes{0};
std::atomic<int64_t> PeakHeapBytes{0};

void CountAllocation(void* block) {
  if (block == nullptr) {
    throw std::bad_alloc();
  }
  const int64_t now = HeapBytes += static_cast<int64_t>(malloc_usable_size(block));
  int64_t peak = PeakHeapBytes.load();
  while (now > peak && !PeakHeapBytes.compare_exchange_weak(peak, now)) {
  }
}

// The bytes a block takes from the heap, counted for the peak.
void CountRelease(void* block) {
  if (block != nullptr) {
    HeapBytes -= static_cast<int64_t>(malloc_usable_size(block));
  }
}

constexpr size_t kLargeFileBytes = size_t{50} << 20;

// A file of kLargeFileBytes made of the line again and again, in the
// system's temporary folder; removed when the object ends.
class TLargeFile {
 public:
  TLargeFile(const std::string& name, const std::string& head,
             const std::function<std::string(size_t)>& line)
      : Path((std::filesystem::temp_directory_path() / name).string()) {
    std::string bytes = head;
    for (size_t i = 0; bytes.size() < kLargeFileBytes; ++i) {
      bytes += line(i);
    }
    std::ofstream(Path, std::ios::binary) << bytes;
  }
  ~TLargeFile() { std::filesystem::remove(Path); }
  const std::string Path;
};

// Runs the read and reports its peak heap use above what was held before,
// as a multiple of the file's size.
template <class Read>
void MeasurePeak(benchmark::State& state, const std::string& path, Read read) {
  double ratio = 0;
  for (auto _ : state) {
    const int64_t before = HeapBytes.load();
    PeakHeapBytes = before;
    read(path);
    ratio = static_cast<double>(PeakHeapBytes.load() - before) /
            static_cast<double>(std::filesystem::file_size(path));
  }
  state.counters["peak_per_file_byte"] = ratio;
  state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(path)) / (1 << 20);
}

void ReadSettingsFile(const std::string& path) {
  TStoredTextList list(path);
  int32_t value = 0;
  list.OnLoad = [&value](TStoredTextList& loaded) {
    loaded.ReadInteger("GlyphmasonGame", "k", value, 100, 0);
    loaded.ReadInteger("Map", "L1", value, 100, 0);
  };
  list.Load();
  benchmark::DoNotOptimize(value);
}

void ReadWordsList(const std::string& path) {
  TWordsList list;
  list.LoadWordsListFile(path);
  benchmark::DoNotOptimize(list.FindWord("k"));
}

void BM_PeakMemoryOfAGameFileOfShortLines(benchmark::State& state) {
  const TLargeFile file("glyphmason-bench-short.gmg", "[GlyphmasonGame]\r\n",
                        [](size_t) { return std::string("k=1\r\n"); });
  MeasurePeak(state, file.Path, ReadSettingsFile);
}
BENCHMARK(BM_PeakMemoryOfAGameFileOfShortLines)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_PeakMemoryOfAGameFileOfDistinctKeys(benchmark::State& state) {
  const TLargeFile file("glyphmason-bench-keys.gmg", "[Map]\r\n",
                        [](size_t i) { return "L" + std::to_string(i) + "=A\r\n"; });
  MeasurePeak(state, file.Path, ReadSettingsFile);
}
BENCHMARK(BM_PeakMemoryOfAGameFileOfDistinctKeys)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_PeakMemoryOfAFileOfSectionLines(benchmark::State& state) {
  const TLargeFile file("glyphmason-bench-sections.gmg", "",
                        [](size_t) { return std::string("[a]\r\n"); });
  MeasurePeak(state, file.Path, ReadSettingsFile);
}
BENCHMARK(BM_PeakMemoryOfAFileOfSectionLines)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_PeakMemoryOfAWordsListOfDistinctWords(benchmark::State& state) {
  const TLargeFile file("glyphmason-bench-words.txt", "", [](size_t i) {
    std::string word;
    for (size_t n = i + 1; n > 0; n /= 26) {
      word += static_cast<char>('a' + n % 26);
    }
    return word + "\r\n";
  });
  MeasurePeak(state, file.Path, ReadWordsList);
}
BENCHMARK(BM_PeakMemoryOfAWordsListOfDistinctWords)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_PeakMemoryOfAWordsListOfOneLetterLines(benchmark::State& state) {
  const TLargeFile file("glyphmason-bench-letters.txt", "",
                        [](size_t) { return std::string("k\r\n"); });
  MeasurePeak(state, file.Path, ReadWordsList);
}
BENCHMARK(BM_PeakMemoryOfAWordsListOfOneLetterLines)->Unit(benchmark::kMillisecond)->Iterations(2);

// A reinstall over a copy without records of its shipped lists, whose
// installed list holds 50 MB of words that the new release lacks: they are
// read, held through the copy and put back behind the new list.
void BM_PeakMemoryOfAReinstallKeepingALargeList(benchmark::State& state) {
  const TLargeFile file("glyphmason-bench-kept.txt", "", [](size_t i) {
    std::string word;
    for (size_t n = i + 1; n > 0; n /= 26) {
      word += static_cast<char>('a' + n % 26);
    }
    return word + "\r\n";
  });
  const std::filesystem::path root =
      std::filesystem::temp_directory_path() / "glyphmason-bench-reinstall";
  const std::string installed = (root / "Installed").string();
  const std::string source = (root / "Source").string();
  for (const std::string& folder : {installed, source}) {
    std::filesystem::create_directories(folder + "/GlyphmasonDictionaries");
    std::ofstream(folder + "/GlyphmasonDictionaries/English.gmd", std::ios::binary) << "[Main]\r\n";
    std::ofstream(folder + "/GlyphmasonDictionaries/English.txt", std::ios::binary) << "cat\r\n";
  }
  const std::string list = installed + "/GlyphmasonDictionaries/English.txt";
  MeasurePeak(state, file.Path, [&](const std::string& path) {
    std::filesystem::copy_file(path, list, std::filesystem::copy_options::overwrite_existing);
    std::filesystem::remove(installed + "/GlyphmasonDictionaries/.English.txt.shipped");
    const TAddedWords added = CollectAddedWords(installed);
    std::ofstream(list, std::ios::binary | std::ios::trunc) << "cat\r\n";  // the copy
    KeepAddedWords(installed, source, added);
  });
  std::filesystem::remove_all(root);
}
BENCHMARK(BM_PeakMemoryOfAReinstallKeepingALargeList)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_PeakMemoryOfTheLargestWordsList(benchmark::State& state) {
  if (!DictionaryPresent(state)) {
    return;
  }
  MeasurePeak(state, DictionariesFolder() + kDictionaryName + ".txt", ReadWordsList);
}
BENCHMARK(BM_PeakMemoryOfTheLargestWordsList)->Unit(benchmark::kMillisecond)->Iterations(2);

// What the largest list holds on the heap once read, against its file.
void BM_HeapOfTheLargestWordsList(benchmark::State& state) {
  if (!DictionaryPresent(state)) {
    return;
  }
  const std::string path = DictionariesFolder() + kDictionaryName + ".txt";
  double ratio = 0;
  for (auto _ : state) {
    const int64_t before = HeapBytes.load();
    TWordsList list;
    list.LoadWordsListFile(path);
    // With its index, which the first lookup builds.
    benchmark::DoNotOptimize(list.FindWord("Haus"));
    ratio = static_cast<double>(HeapBytes.load() - before) /
            static_cast<double>(std::filesystem::file_size(path));
    benchmark::DoNotOptimize(list.Count());
  }
  state.counters["held_per_file_byte"] = ratio;
}
BENCHMARK(BM_HeapOfTheLargestWordsList)->Unit(benchmark::kMillisecond)->Iterations(2);

// The floor of BM_LoadLargestWordsListFile: the bytes read and their lines
// counted.
void BM_ReadAndCountLinesGerman(benchmark::State& state) {
  if (!DictionaryPresent(state)) {
    return;
  }
  const std::string path = DictionariesFolder() + kDictionaryName + ".txt";
  for (auto _ : state) {
    const std::string bytes = ReadWholeFile(path, kMaxWordsListBytes);
    benchmark::DoNotOptimize(std::count(bytes.begin(), bytes.end(), '\n'));
  }
}
BENCHMARK(BM_ReadAndCountLinesGerman)->Unit(benchmark::kMillisecond);

}  // namespace

// Every allocation of the benchmark program is counted, so that the peak of
// one read can be told.
void* operator new(size_t size) {
  void* block = std::malloc(size == 0 ? 1 : size);
  CountAllocation(block);
  return block;
}
void* operator new[](size_t size) {
  return operator new(size);
}
void operator delete(void* block) noexcept {
  CountRelease(block);
  std::free(block);
}
void operator delete[](void* block) noexcept {
  operator delete(block);
}
void operator delete(void* block, size_t) noexcept {
  operator delete(block);
}
void operator delete[](void* block, size_t) noexcept {
  operator delete(block);
}
