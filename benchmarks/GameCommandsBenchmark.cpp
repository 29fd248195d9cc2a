// The game commands as the player runs them, in the real main window
// (offscreen), with the largest shipped dictionary: a second new game, the
// first suggestion after loading a 30 x 30 game, and saving that game after a
// word was added to the words list. Each command is followed by the painting
// it causes.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <filesystem>
#include <memory>
#include <string>

#include "Libraries/AboutDialog/ui/AboutForm.h"
#include "Libraries/Error/ErrorDialog.h"
#include "Libraries/MyDialogs/MyDialogs.h"
#include "Libraries/OperatingSystem/OperatingSystem.h"
#include "benchmarks/Toolkit.h"
#include "game/ui/ChooseLetterForm.h"
#include "window/GlyphmasonForm.h"

namespace {

#ifndef GLYPHMASON_PROGRAM_FOLDER
#define GLYPHMASON_PROGRAM_FOLDER ""
#endif
const std::string kShippedDictionaries =
    std::string(GLYPHMASON_PROGRAM_FOLDER) + "/GlyphmasonDictionaries/";

// Answers every box with No (OK where that is the only button) and counts
// them: a benchmark that met one measured something else.
class TCountingBoxes : public IMessageBoxes {
 public:
  TCountingBoxes() : Scope(this) {}
  int MessageBox(const std::string&, const std::string&, uint32_t) override {
    ++Shown;
    return kIdNo;
  }
  void MessageBeep(uint32_t) override {}
  int Shown = 0;

 private:
  MessageBoxesSeam::TScoped Scope;
};

class TCountingErrors : public IErrorDialog {
 public:
  TCountingErrors() : Scope(this) {}
  bool ShowError(const std::string&, const std::string&, bool* okayNoErrors,
                 const std::string&) override {
    ++Shown;
    if (okayNoErrors != nullptr) {
      *okayNoErrors = false;
    }
    return true;
  }
  int32_t RecursionCount() const override { return 0; }
  int Shown = 0;

 private:
  ErrorDialogSeam::TScoped Scope;
};

// The main window in a program folder of its own under the temporary folder,
// holding a copy of the German dictionary and its words list.
struct TWindowRun {
  std::string Folder;
  std::vector<std::string> PreviousCommandLine = Os::CommandLine();
  TCountingBoxes Boxes;
  TCountingErrors Errors;
  std::unique_ptr<TChooseLetterForm> ChooseLetter;
  std::unique_ptr<TAboutForm> About;
  std::unique_ptr<TGlyphmasonForm> Form;
  bool Ready = false;

  TWindowRun(benchmark::State& state, int boardSize) {
    Toolkit();
    if (!std::filesystem::exists(kShippedDictionaries + "German.gmd")) {
      state.SkipWithError("the generated dictionaries are missing: build GlyphmasonDictionaries");
      return;
    }
    Folder = (std::filesystem::temp_directory_path() / "glyphmason-benchmark-window").string();
    std::filesystem::remove_all(Folder);
    const std::string dictionaries = Folder + "/GlyphmasonDictionaries/";
    std::filesystem::create_directories(dictionaries);
    for (const char* file : {"German.gmd", "German.txt"}) {
      std::filesystem::copy_file(kShippedDictionaries + file, dictionaries + file);
    }
    Os::SetCommandLineForTesting({Folder + "/Glyphmason"});
    ChooseLetter = std::make_unique<TChooseLetterForm>();
    About = std::make_unique<TAboutForm>();
    Form = std::make_unique<TGlyphmasonForm>();
    Form->SetWorkAreaForTesting(QRect(0, 0, 1024, 738));
    Form->BeforeRun();
    Form->show();
    Form->ColumnsCountComboBox->setCurrentText(QString::number(boardSize));
    Form->RowsCountComboBox->setCurrentText(QString::number(boardSize));
    Form->Dictionary.DictionaryName = "German.gmd";
    Form->NewGameMenuClick();
    Settle();
    Ready = Form->Dictionary.ActiveLettersCount >= 11;
    if (!Ready) {
      state.SkipWithError("the German dictionary did not load");
    }
  }

  ~TWindowRun() {
    if (Form != nullptr) {
      Form->Game.GameModified = false;
      Form.reset();
    }
    ChooseLetter.reset();
    About.reset();
    Os::SetCommandLineForTesting(PreviousCommandLine);
    if (!Folder.empty()) {
      std::filesystem::remove_all(Folder);
    }
  }

  // Runs the painting and whatever else the command left queued.
  static void Settle() { QApplication::processEvents(); }

  std::string GamePath() const { return Folder + "/GlyphmasonGames/Benchmark.gmg"; }

  // Fills the board with suggested words, then saves it as the game to load.
  void LaySuggestionsAndSave(int words) {
    for (int i = 0; i < words; ++i) {
      Form->SuggestWordMenuClick();
      if (Form->PutWordButton->isEnabled()) {
        Form->PutWordButtonClick();
      }
    }
    std::filesystem::remove(GamePath());
    Form->Session.SaveGameTo(GamePath());
    Settle();
  }

  void Report(benchmark::State& state) const {
    state.counters["boxes"] = Boxes.Shown;
    state.counters["errors"] = Errors.Shown;
  }
};

void BM_NewGameGermanAgain(benchmark::State& state) {
  TWindowRun run(state, 15);
  if (!run.Ready) {
    return;
  }
  for (auto _ : state) {
    run.Form->NewGameMenuClick();
    TWindowRun::Settle();
  }
  run.Report(state);
}
BENCHMARK(BM_NewGameGermanAgain)->Unit(benchmark::kMillisecond);

void BM_FirstSuggestionAfterLoad30x30German(benchmark::State& state) {
  TWindowRun run(state, 30);
  if (!run.Ready) {
    return;
  }
  run.LaySuggestionsAndSave(12);
  // A committed word may have been new to the list, which the first load
  // then reads again (and the next suggestion builds its word graph anew);
  // the timed loads find the dictionary in memory.
  run.Form->Session.LoadGameFrom(run.GamePath());
  run.Form->SuggestWordMenuClick();
  run.Form->Game.GameModified = false;
  for (auto _ : state) {
    run.Form->Session.LoadGameFrom(run.GamePath());
    TWindowRun::Settle();
    run.Form->SuggestWordMenuClick();
    TWindowRun::Settle();
    state.PauseTiming();
    run.Form->Game.GameModified = false;
    state.ResumeTiming();
  }
  run.Report(state);
}
BENCHMARK(BM_FirstSuggestionAfterLoad30x30German)->Unit(benchmark::kMillisecond);

// The save that follows an earlier save of the same new word: the words list
// on the disk holds it already.
void BM_SaveGameWithAddedWord30x30German(benchmark::State& state) {
  TWindowRun run(state, 30);
  if (!run.Ready) {
    return;
  }
  run.Form->Game.WordsListLines.AddWord("GLYPHMASONWORT");
  run.Form->Game.WordsListModified = true;
  run.LaySuggestionsAndSave(12);
  for (auto _ : state) {
    state.PauseTiming();
    std::filesystem::remove(run.GamePath());
    state.ResumeTiming();
    run.Form->Session.SaveGameTo(run.GamePath());
    TWindowRun::Settle();
  }
  run.Report(state);
}
// In wall time: a save waits for the disk, which takes no processor time.
BENCHMARK(BM_SaveGameWithAddedWord30x30German)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
