// The board view and the game file: a full repaint of a 30 x 30 board into
// an offscreen image, and saving and loading a 30 x 30 game.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "benchmarks/Toolkit.h"
#include "game/GameDisplay.h"
#include "persistence/GameFile.h"
#include "window/BoardView.h"

namespace {

// A full board: fixed letters everywhere, the first row loose.
void FillBoard(TBoard& board) {
  for (int column = 0; column < kMaxBoardSize; ++column) {
    for (int row = 0; row < kMaxBoardSize; ++row) {
      board[column][row] = {static_cast<char>('A' + (column + row) % 26), row == 0 ? uint8_t{1}
                                                                                  : uint8_t{0}};
    }
  }
}

void BM_RepaintFullBoard30x30(benchmark::State& state) {
  Toolkit();
  TBoard board{};
  FillBoard(board);
  TBoardPaintBox view;
  view.resize(620, 660);
  view.SetBoard(&board, kMaxBoardSize, kMaxBoardSize);
  QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    view.render(&image);
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_RepaintFullBoard30x30)->Unit(benchmark::kMillisecond);

struct TFullGame {
  TSilentGameDisplay Display;
  TGame Game{Display};
  TGameSettings Settings{kMaxBoardSize, kMaxBoardSize, "English.gmd", true, true};
  TFullGame() {
    Game.ColumnsCount = kMaxBoardSize;
    Game.RowsCount = kMaxBoardSize;
    Game.SetUpNewBoard();
    FillBoard(Game.Board);
    for (int slot = 0; slot < kStockSlots; ++slot) {
      Game.SetStockLetter(slot, static_cast<char>('A' + slot));
    }
  }
};

std::string BenchmarkFile() {
  return (std::filesystem::temp_directory_path() / "glyphmason-benchmark.gmg").string();
}

void BM_SaveGame30x30(benchmark::State& state) {
  TFullGame full;
  TStoredTextList list;
  list.OnSave = [&](TStoredTextList& self) { WriteGame(self, full.Settings, full.Game); };
  const std::string path = BenchmarkFile();
  for (auto _ : state) {
    list.SaveAs(path, false);
  }
  std::filesystem::remove(path);
}
// In wall time: a save waits for the disk, which takes no processor time.
BENCHMARK(BM_SaveGame30x30)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LoadGame30x30(benchmark::State& state) {
  TFullGame full;
  TStoredTextList writer;
  writer.OnSave = [&](TStoredTextList& self) { WriteGame(self, full.Settings, full.Game); };
  const std::string path = BenchmarkFile();
  writer.SaveAs(path, false);
  TSilentGameDisplay display;
  TGame loaded(display);
  TStoredTextList list;
  list.OnLoad = [&](TStoredTextList& self) {
    TGameSettings settings;
    ReadGameSettings(self, settings);
    loaded.ColumnsCount = settings.ColumnsCount;
    loaded.RowsCount = settings.RowsCount;
    ReadGame(self, loaded);
  };
  for (auto _ : state) {
    list.LoadFrom(path);
    benchmark::DoNotOptimize(loaded.Board);
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_LoadGame30x30)->Unit(benchmark::kMillisecond);

}  // namespace
