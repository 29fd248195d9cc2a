// Speed of "Suggest word" with the shipped dictionaries: the best move on a
// mid-game board, the word graph built from the largest words list, and the
// same 15 x 15 position searched by trying every entry at every placement.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "Libraries/File/FileOperations.h"
#include "Libraries/OperatingSystem/OperatingSystem.h"
#include "dictionary/Dictionary.h"
#include "game/Game.h"
#include "game/Referee.h"
#include "game/WordFinder.h"

namespace {

#ifndef GLYPHMASON_PROGRAM_FOLDER
#define GLYPHMASON_PROGRAM_FOLDER ""
#endif
const std::string kProgramFolder = GLYPHMASON_PROGRAM_FOLDER;

std::string DictionariesFolder() {
  return kProgramFolder + "/GlyphmasonDictionaries/";
}

// A game with the named shipped dictionary loaded, on an empty board of the size.
struct TLoadedGame {
  TSilentGameDisplay GameDisplay;
  TGame Game{GameDisplay};
  TSilentDictionaryDisplay Display;
  TDictionary Dictionary{Game, Display};
  bool Loaded = false;

  TLoadedGame(const std::string& name, int32_t size) {
    if (!FileExists(DictionariesFolder() + name + ".gmd")) {
      return;
    }
    const std::vector<std::string> previous = Os::CommandLine();
    Os::SetCommandLineForTesting({kProgramFolder + "/Glyphmason"});
    Game.ColumnsCount = Game.RowsCount = size;
    Game.SetUpNewBoard();
    Loaded = Dictionary.LoadDictionary(name + ".gmd");
    Os::SetCommandLineForTesting(previous);
  }
};

// A mid-game position, the same on every run: seven letters drawn by the
// letters' weights, and before that `words` turns of such hands, each laying
// one of its five best words (chosen at random) as fixed letters.
struct TMidGame : TLoadedGame {
  std::mt19937 Random{20261207};
  std::string Hand;
  int32_t WordsLaid = 0;

  TMidGame(const std::string& name, int32_t size, int32_t words) : TLoadedGame(name, size) {
    if (!Loaded) {
      return;
    }
    for (int32_t turn = 0; turn < words * 3 && WordsLaid < words; ++turn) {
      DrawHand();
      const std::vector<TWordMove> best =
          Game.WordFinder.BestMoves(Game.WordsListLines, Position(), 5);
      if (best.empty()) {
        continue;
      }
      const TWordMove& move = best[Random() % best.size()];
      for (const TPlacedLetter& placed : move.Placed) {
        Game.Board[placed.Square.Column][placed.Square.Row] = {placed.Letter, 0};
      }
      ++WordsLaid;
    }
    DrawHand();
  }

  void DrawHand() {
    const auto& weights = Game.Letters.LetterProbabilities;
    std::discrete_distribution<int> letter(weights.begin(), weights.end());
    Hand.clear();
    for (int32_t i = 0; i < kStockSlots; ++i) {
      Hand.push_back(Game.Letters.Alphabet[static_cast<size_t>(letter(Random))]);
    }
  }

  TMovePosition Position() const {
    return {Game.Board, Game.ColumnsCount, Game.RowsCount, Hand, Game.Letters};
  }
};

bool Ready(benchmark::State& state, const TLoadedGame& game) {
  if (!game.Loaded) {
    state.SkipWithError(
        "the generated dictionaries are missing: build the GlyphmasonDictionaries target");
  }
  return game.Loaded;
}

void RunSuggestion(benchmark::State& state, TMidGame& game) {
  if (!Ready(state, game)) {
    return;
  }
  int32_t score = 0;
  for (auto _ : state) {
    const std::vector<TWordMove> best =
        game.Game.WordFinder.BestMoves(game.Game.WordsListLines, game.Position(), 1);
    score = best.empty() ? 0 : best.front().Score;
    benchmark::DoNotOptimize(score);
  }
  state.counters["words on board"] = game.WordsLaid;
  state.counters["best score"] = score;
}

void BM_SuggestWord30x30German(benchmark::State& state) {
  static TMidGame game("German", 30, 40);
  RunSuggestion(state, game);
}
BENCHMARK(BM_SuggestWord30x30German)->Unit(benchmark::kMillisecond);

TMidGame& English15x15() {
  static TMidGame game("English", 15, 12);
  return game;
}

void BM_SuggestWord15x15English(benchmark::State& state) {
  RunSuggestion(state, English15x15());
}
BENCHMARK(BM_SuggestWord15x15English)->Unit(benchmark::kMillisecond);

// The baseline: every entry of the list tried at every placement of the same position.
void BM_SuggestWordByScan15x15English(benchmark::State& state) {
  TMidGame& game = English15x15();
  if (!Ready(state, game)) {
    return;
  }
  for (auto _ : state) {
    benchmark::DoNotOptimize(BestMovesByScan(game.Game.WordsListLines, game.Position(), 1));
  }
}
BENCHMARK(BM_SuggestWordByScan15x15English)->Unit(benchmark::kMillisecond);

// What a commit adds on a mid-game 30 x 30 board with the German list: the
// par of the turn (the best move for the letters on hand) and the check for
// the game's end after it, each one best-move search.
void BM_GameOverCheck30x30German(benchmark::State& state) {
  static TMidGame game("German", 30, 40);
  if (!Ready(state, game)) {
    return;
  }
  for (int32_t slot = 0; slot < kStockSlots; ++slot) {
    game.Game.SetStockLetter(slot, game.Hand[static_cast<size_t>(slot)]);
  }
  TPlayState result = TPlayState::Playing;
  for (auto _ : state) {
    game.Game.PlayState = TPlayState::Playing;
    benchmark::DoNotOptimize(BestScoreOnHand(game.Game));
    result = CheckGameEnd(game.Game);
  }
  state.counters["words on board"] = game.WordsLaid;
  state.counters["over"] = result == TPlayState::Playing ? 0 : 1;
}
BENCHMARK(BM_GameOverCheck30x30German)->Unit(benchmark::kMillisecond);

// The graph of the largest list, built from the list in memory as the first
// suggestion after a load builds it; its memory beside the list file's size.
void BM_BuildWordFinderIndexGerman(benchmark::State& state) {
  TLoadedGame game("German", 15);
  if (!Ready(state, game)) {
    return;
  }
  size_t memory = 0;
  for (auto _ : state) {
    TWordFinder finder;
    finder.Update(game.Game.WordsListLines);
    memory = finder.MemoryBytes();
  }
  const auto fileSize =
      static_cast<double>(std::filesystem::file_size(DictionariesFolder() + "German.txt"));
  state.counters["graph bytes"] = static_cast<double>(memory);
  state.counters["list file bytes"] = fileSize;
  state.counters["graph / file"] = static_cast<double>(memory) / fileSize;
}
BENCHMARK(BM_BuildWordFinderIndexGerman)->Unit(benchmark::kMillisecond);

}  // namespace
