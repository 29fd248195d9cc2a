// Speed of the records file at its fullest expected size (ten records for
// each of the six shipped dictionaries at ten board sizes), and at the most
// tables the file holds.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <utility>

#include "persistence/Records.h"

namespace {

TRecords FullRecords() {
  TRecords records;
  for (const char* dictionary :
       {"English.gmd", "German.gmd", "French.gmd", "Spanish.gmd", "Italian.gmd", "Dutch.gmd"}) {
    for (int32_t size = 10; size < 30; size += 2) {
      for (int32_t game = 0; game < 10; ++game) {
        records.Enter(RecordTableName(dictionary, size, size),
                      {"Monday, December 07, 2026 (341) 5:00:00 PM (612)", 100 + game * 37, 12,
                       "QUIZZED", 64, 87, 1});
      }
    }
  }
  return records;
}

// One record in each of kMaxTables tables.
TRecords MostTables() {
  TRecords records;
  for (int32_t n = 0; n < kMaxTables; ++n) {
    records.Enter(RecordTableName("Dictionary" + std::to_string(n) + ".gmd", 15, 15),
                  {"Monday, December 07, 2026 (341) 5:00:00 PM (612)", 100, 12, "QUIZZED", 64, 87,
                   1});
  }
  return records;
}

struct TBenchRecordsFile {
  explicit TBenchRecordsFile(TRecords records = FullRecords()) : Records(std::move(records)) {
    Path = (std::filesystem::temp_directory_path() / "GlyphmasonRecordsBenchmark.ini").string();
    SaveRecordsFile(Path, Records);
  }
  ~TBenchRecordsFile() { std::filesystem::remove(Path); }
  TRecords Records;
  std::string Path;
};

void BM_LoadRecordsFile600(benchmark::State& state) {
  TBenchRecordsFile file;
  size_t tables = 0;
  for (auto _ : state) {
    tables = LoadRecordsFile(file.Path).Tables.size();
  }
  state.counters["tables"] = static_cast<double>(tables);
}
BENCHMARK(BM_LoadRecordsFile600)->Unit(benchmark::kMillisecond);

// The game end's reading of a file of the most tables: each table's section
// is found through the section index, not by a walk of the lines before it.
void BM_LoadRecordsFile10000Tables(benchmark::State& state) {
  TBenchRecordsFile file(MostTables());
  size_t tables = 0;
  for (auto _ : state) {
    tables = LoadRecordsFile(file.Path).Tables.size();
  }
  state.counters["tables"] = static_cast<double>(tables);
  state.counters["file_kB"] = static_cast<double>(std::filesystem::file_size(file.Path)) / 1024;
}
BENCHMARK(BM_LoadRecordsFile10000Tables)->Unit(benchmark::kMillisecond);

// The whole save, with the wait until the file is on the disk.
void BM_SaveRecordsFile600(benchmark::State& state) {
  TBenchRecordsFile file;
  for (auto _ : state) {
    benchmark::DoNotOptimize(SaveRecordsFile(file.Path, file.Records));
  }
}
BENCHMARK(BM_SaveRecordsFile600)->Unit(benchmark::kMillisecond);

// The save's own work: the records turned into the file's text.
void BM_WriteRecordsText600(benchmark::State& state) {
  const TRecords records = FullRecords();
  size_t bytes = 0;
  for (auto _ : state) {
    TStoredTextList list;
    list.ReadFromText({});
    WriteRecords(list, records);
    bytes = list.WrittenText().size();
  }
  state.counters["file bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_WriteRecordsText600)->Unit(benchmark::kMillisecond);

}  // namespace
