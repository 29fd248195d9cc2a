// Speed of the words list and of the word check on large inputs: a generated
// list of 300,000 words and a 30 x 30 board.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "Libraries/File/WholeFile.h"
#include "Libraries/Text/Cp1252.h"
#include "game/Game.h"
#include "game/Scoring.h"
#include "game/WordRule.h"
#include "lexicon/WordsList.h"

namespace {

constexpr int kListSize = 300000;

// Words of 3 to 12 small letters, the same on every run.
std::vector<std::string> GeneratedWords() {
  std::mt19937 generator(20240601);
  std::uniform_int_distribution<int> length(3, 12);
  std::uniform_int_distribution<int> letter('a', 'z');
  std::vector<std::string> words(kListSize);
  for (std::string& word : words) {
    word.resize(static_cast<size_t>(length(generator)));
    for (char& c : word) {
      c = static_cast<char>(letter(generator));
    }
  }
  return words;
}

struct TListFile {
  std::vector<std::string> Words = GeneratedWords();
  std::string Path;

  TListFile() {
    Path = (std::filesystem::temp_directory_path() / "glyphmason-benchmark-words.txt").string();
    std::string bytes;
    for (const std::string& word : Words) {
      bytes += word + "\r\n";
    }
    std::FILE* file = std::fopen(Path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
  }
  ~TListFile() { std::filesystem::remove(Path); }
};

TListFile& ListFile() {
  static TListFile file;
  return file;
}

const TWordsList& LoadedList() {
  static const TWordsList list = [] {
    TWordsList loaded;
    loaded.LoadWordsListFile(ListFile().Path);
    return loaded;
  }();
  return list;
}

// Present words spread over the whole list, asked in capitals.
std::vector<std::string> PresentProbes() {
  std::vector<std::string> probes;
  for (int i = 0; i < kListSize; i += kListSize / 1000) {
    probes.push_back(UpperCaseCp1252(ListFile().Words[static_cast<size_t>(i)]));
  }
  return probes;
}

// Words of digits and letters that no generated word matches.
std::vector<std::string> AbsentProbes() {
  std::vector<std::string> probes;
  for (int i = 0; i < 1000; ++i) {
    probes.push_back(ListFile().Words[static_cast<size_t>(i)] + std::to_string(i));
  }
  return probes;
}

template <class Find>
void RunLookups(benchmark::State& state, const std::vector<std::string>& probes, Find find) {
  size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(find(probes[next]));
    next = next + 1 == probes.size() ? 0 : next + 1;
  }
}

void BM_FindWordPresent(benchmark::State& state) {
  const TWordsList& list = LoadedList();
  RunLookups(state, PresentProbes(), [&](const std::string& w) { return list.FindWord(w); });
}
BENCHMARK(BM_FindWordPresent);

void BM_FindWordAbsent(benchmark::State& state) {
  const TWordsList& list = LoadedList();
  RunLookups(state, AbsentProbes(), [&](const std::string& w) { return list.FindWord(w); });
}
BENCHMARK(BM_FindWordAbsent);

void BM_LinearScanPresent(benchmark::State& state) {
  const TWordsList& list = LoadedList();
  RunLookups(state, PresentProbes(), [&](const std::string& w) { return list.FindWordByScan(w); });
}
BENCHMARK(BM_LinearScanPresent)->Unit(benchmark::kMicrosecond);

void BM_LinearScanAbsent(benchmark::State& state) {
  const TWordsList& list = LoadedList();
  RunLookups(state, AbsentProbes(), [&](const std::string& w) { return list.FindWordByScan(w); });
}
BENCHMARK(BM_LinearScanAbsent)->Unit(benchmark::kMicrosecond);

// The game keeps one words list and loads it again at every new game.
void BM_LoadWordsListFile(benchmark::State& state) {
  const std::string& path = ListFile().Path;
  TWordsList list;
  for (auto _ : state) {
    list.LoadWordsListFile(path);
    benchmark::DoNotOptimize(list.Count());
  }
}
BENCHMARK(BM_LoadWordsListFile)->Unit(benchmark::kMillisecond);

// A load into a list that has never held words, so all its memory is new.
void BM_LoadWordsListFileIntoNewList(benchmark::State& state) {
  const std::string& path = ListFile().Path;
  for (auto _ : state) {
    TWordsList list;
    list.LoadWordsListFile(path);
    benchmark::DoNotOptimize(list.Count());
  }
}
BENCHMARK(BM_LoadWordsListFileIntoNewList)->Unit(benchmark::kMillisecond);

// The baseline of loading: the file's bytes read and their lines counted.
void BM_ReadAndCountLines(benchmark::State& state) {
  const std::string& path = ListFile().Path;
  for (auto _ : state) {
    const std::string bytes = ReadWholeFile(path);
    benchmark::DoNotOptimize(std::count(bytes.begin(), bytes.end(), '\n'));
  }
}
BENCHMARK(BM_ReadAndCountLines)->Unit(benchmark::kMillisecond);

// The same baseline with the bytes read in one block by the C library.
void BM_ReadBlockAndCountLines(benchmark::State& state) {
  const std::string& path = ListFile().Path;
  for (auto _ : state) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    std::string bytes(static_cast<size_t>(std::filesystem::file_size(path)), '\0');
    benchmark::DoNotOptimize(std::fread(bytes.data(), 1, bytes.size(), file));
    std::fclose(file);
    benchmark::DoNotOptimize(std::count(bytes.begin(), bytes.end(), '\n'));
  }
}
BENCHMARK(BM_ReadBlockAndCountLines)->Unit(benchmark::kMillisecond);

// A 30 x 30 board where the loose letters read and score through a whole row.
struct TFullBoard {
  TSilentGameDisplay Display;
  TGame Game{Display};

  // Every square holds a fixed letter except rows 13 and 15, which stay empty
  // so that row 14 reads as one word of 30 letters; seven of its letters are
  // loose. With `lonely`, the board holds nothing but the seven loose letters
  // in the last row, so that the whole board is searched for a fixed letter.
  explicit TFullBoard(bool lonely) {
    Game.ColumnsCount = kMaxBoardSize;
    Game.RowsCount = kMaxBoardSize;
    for (int32_t i = 0; i < kMaxAlphabetSlots; ++i) {
      Game.Letters.Alphabet[i] = static_cast<char>('A' + i % 26);
      Game.Letters.LetterProbabilities[i] = 25 * (i + 1);
      Game.Letters.LetterScores[i] = CalculateLetterScore(Game.Letters, i);
    }
    const int32_t row = lonely ? kMaxBoardSize - 1 : 14;
    for (int32_t c = 0; c < kMaxBoardSize; ++c) {
      for (int32_t r = 0; r < kMaxBoardSize; ++r) {
        if (!lonely && r != 13 && r != 15) {
          Game.Board[c][r] = {static_cast<char>('A' + (c + r) % 26), 0};
        }
      }
    }
    for (int32_t c = 20; c < 27; ++c) {
      Game.Board[c][row] = {static_cast<char>('A' + c % 26), 1};
      Game.AddLooseLetter(c, row);
    }
  }
};

void RunReadAndScore(benchmark::State& state, bool lonely) {
  TFullBoard board(lonely);
  for (auto _ : state) {
    benchmark::DoNotOptimize(board.Game.ReadLooseWord());
    benchmark::DoNotOptimize(board.Game.WordScore());
  }
  state.counters["word letters"] = static_cast<double>(board.Game.ReadLooseWord().size());
}

void BM_ReadLooseWordAndWordScore(benchmark::State& state) { RunReadAndScore(state, false); }
BENCHMARK(BM_ReadLooseWordAndWordScore);

void BM_ReadLooseWordAndWordScoreEmptyBoard(benchmark::State& state) {
  RunReadAndScore(state, true);
}
BENCHMARK(BM_ReadLooseWordAndWordScoreEmptyBoard);

}  // namespace
