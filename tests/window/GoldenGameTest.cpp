// Whole games played through the window with the random source seeded: every
// game file they save, the words list and a line of what the window shows
// after each step are compared byte for byte with the files under
// tests/golden/<game>/. The test never writes them; after a deliberate change
// they are made anew with
//   GLYPHMASON_UPDATE_GOLDEN=1 build/tests/glyphmason_ui_tests --gtest_filter='GoldenGame*'
// and the difference is reviewed before it is committed.

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "Libraries/Text/ui/QtText.h"
#include "support/ui/WindowFixture.h"

namespace {

// One step a line: a command and its numbers or text.
//   size COLUMNS ROWS      the board size boxes, for the next new game
//   new                    Ctrl+N (the stock is drawn by the seeded source)
//   stock LETTERS          the stock set by hand, slot 1 first
//   drag SLOT COL ROW      a stock letter to a square
//   move COL ROW COL ROW   a loose letter to another square
//   home COL ROW SLOT      a loose letter back to a stock slot
//   swap SLOT SLOT         a stock letter dropped on another slot
//   back COL ROW           a right click takes a loose letter back
//   put / flip             "Put word on board" / "Put flipped word"
//   allow 0|1, add 0|1     the two check boxes of unknown words
//   change SLOT LETTER     a right click on a stock slot picks the letter ("-" cancels)
//   answer yes|no|cancel   the answer to the next question (unanswered, a
//                          modified game is not saved and a file is replaced)
//   cancelfile             the next file dialog is cancelled
//   dictionary PATH        D with PATH chosen
//   redraw                 "New stock letters"
//   save NAME / load NAME  S / L with NAME in the games folder
//   last                   Ctrl+Z
//   analyze                "Analyze words list"; the report is kept as report.txt
//   close                  the window closes and writes the options (Glyphmason.ini)
struct TGoldenGame {
  const char* Name;
  uint64_t Seed;
  std::vector<std::string> Steps;
};

const TGoldenGame kGames[] = {
    {"FirstGame",
     1,
     {"new", "stock CATSENO", "swap 0 1", "swap 1 0", "drag 0 5 7", "drag 1 6 7", "move 6 7 6 8",
      "home 6 8 1", "drag 1 6 7", "drag 2 7 7", "drag 3 8 7", "back 8 7", "put",
      "allow 0", "stock TACXLIN", "drag 0 7 6", "drag 2 7 8", "put", "allow 1",
      "flip", "change 3 E", "redraw", "drag 0 0 0", "save first.gmg",
      "new", "load first.gmg", "move 0 0 1 0", "put", "save again.gmg", "close"}},
    {"SmallBoardFlipped",
     7,
     {"size 10 12", "new", "stock NOSEXAT", "drag 0 9 3", "drag 1 9 4", "drag 2 9 5", "drag 3 9 6", "flip",
      "add 0", "drag 4 8 5", "drag 5 0 0", "put", "home 0 0 5", "drag 5 10 5", "put", "add 1", "redraw", "redraw",
      "save small.gmg", "size 20 20", "allow 0", "last", "save reloaded.gmg", "analyze"}},
    // Suggested words: the first through the middle square, a stock that
    // makes none, the next through a fixed letter after a stray loose letter
    // is taken back, then the words saved.
    {"Suggestions",
     5,
     {"new", "stock CATSENO", "suggest", "stock XXXXXXX", "suggest", "stock NOSEXAT", "drag 0 0 0",
      "suggest", "save suggested.gmg"}},
    // Questions, refusals and failures of the commands.
    {"Commands",
     3,
     {"analyze", "last", "suggest", "size 10 10", "new", "stock CATSENO", "drag 0 2 2", "drag 1 2 2",
      "home 2 2 1", "answer cancel", "new", "answer yes", "cancelfile", "new", "stock CATSENO",
      "drag 0 5 5", "drag 1 6 5", "drag 2 7 5", "put", "move 5 5 5 8", "back 5 5", "change 1 -",
      "save UPPER.GMG", "drag 0 1 1", "answer no", "save UPPER.GMG", "answer cancel", "close",
      "load UPPER.GMG", "drag 0 3 3",
      "redraw", "redraw", "redraw", "redraw", "redraw", "change 0 X",
      "dictionary /elsewhere/Klingon.gmd", "close"}},
};

class GoldenGame : public TWindowTest, public ::testing::WithParamInterface<TGoldenGame> {
 protected:
  GoldenGame() { RandomSource().SeedForTesting(GetParam().Seed); }
  ~GoldenGame() override { RandomSource().SeedForTesting(std::nullopt); }

  void Play(const std::string& step) {
    std::istringstream in(step);
    std::string command, text;
    int a = 0, b = 0, c = 0, d = 0;
    in >> command;
    // The question a command asks takes the answer given by hand; unanswered,
    // a modified game is not saved and an existing file is replaced.
    const bool asks = command == "new" || command == "load" || command == "last" ||
                      command == "close" || command == "dictionary" || command == "save";
    const bool byHand = asks && Answer;
    if (byHand) {
      Boxes.Answer(*Answer);
      Answer.reset();
    } else if (asks && command != "save" && Form->Game.GameModified) {
      Boxes.Answer(kIdNo);
    }
    if (command == "answer" && in >> text) {
      Answer = text == "yes" ? kIdYes : text == "no" ? kIdNo : kIdCancel;
    } else if (command == "cancelfile") {
      Files.Cancel();
    } else if (command == "dictionary" && in >> text) {
      Files.Choose(text);
      PressKey(Qt::Key_D);
    } else if (command == "size" && in >> a >> b) {
      Form->ColumnsCountComboBox->setCurrentText(QString::number(a));
      Form->RowsCountComboBox->setCurrentText(QString::number(b));
    } else if (command == "new") {
      PressKey(Qt::Key_N, Qt::ControlModifier);
    } else if (command == "stock") {
      in >> text;
      for (int slot = 0; slot < kStockSlots; ++slot) {
        Form->Game.SetStockLetter(slot, text[slot]);
      }
    } else if (command == "drag" && in >> a >> b >> c) {
      DragStockToCell(a, b, c);
    } else if (command == "move" && in >> a >> b >> c >> d) {
      DragCellToCell(a, b, c, d);
    } else if (command == "home" && in >> a >> b >> c) {
      DragCellToStock(a, b, c);
    } else if (command == "swap" && in >> a >> b) {
      DragStockToStock(a, b);
    } else if (command == "back" && in >> a >> b) {
      RightClickCell(a, b);
    } else if (command == "put" || command == "flip") {
      (command == "put" ? Form->PutWordButton : Form->PutFlippedWordButton)->click();
    } else if (command == "allow" && in >> a) {
      Form->AllowUnknownWordsCheckBox->setChecked(a != 0);
    } else if (command == "add" && in >> a) {
      Form->AddToWordsListCheckBox->setChecked(a != 0);
    } else if (command == "change" && in >> a >> text) {
      const int index = Form->Game.LetterIndex(text[0]);
      ChooseLetter->RunModal = [this, index](TChooseLetterForm& dialog) {
        Notes += "  letter choice\n";
        index < 0 ? dialog.reject() : dialog.LetterClicked(index);
        return dialog.result();
      };
      RightClickStock(a);
    } else if (command == "redraw") {
      Form->NewStockLettersButton->click();
    } else if (command == "save" && in >> text) {
      Files.Choose(Program.File("GlyphmasonGames/" + text));
      if (std::filesystem::exists(Program.File("GlyphmasonGames/" + text)) && !byHand) {
        Boxes.Answer(kIdYes);
      }
      PressKey(Qt::Key_S);
      Saved.insert(text);
    } else if (command == "load" && in >> text) {
      Files.Choose(Program.File("GlyphmasonGames/" + text));
      PressKey(Qt::Key_L);
    } else if (command == "last") {
      PressKey(Qt::Key_Z, Qt::ControlModifier);
    } else if (command == "close") {
      Form->close();
    } else if (command == "analyze") {
      QGuiApplication::clipboard()->setText("untouched");
      Form->AnalyzeWordsListMenu->trigger();
      Report = FromQString(QGuiApplication::clipboard()->text());
      if (Report == "untouched") {
        Notes += "  clipboard untouched\n";
        Report.clear();
      }
    } else if (command == "suggest") {
      // H lays the best word; the button its label names commits it.
      // Without a game H does nothing and the label stays empty.
      PressKey(Qt::Key_H);
      if (!Form->ValidWordLabel->text().isEmpty()) {
        Transcript += "  " + FromQString(Form->ValidWordLabel->text()) + "\n";
      }
      const bool flipped = Form->ValidWordLabel->text().contains("Put flipped word");
      (flipped ? Form->PutFlippedWordButton : Form->PutWordButton)->click();
    } else {
      FAIL() << "unknown step: " << step;
    }
    Transcript += step + " | " + Stock() + " | loose " +
                  std::to_string(Form->Game.LooseLetterList.Count()) + " | " +
                  FromQString(Form->ScoreLabel->text()) +
                  " | " + FromQString(Form->ValidWordLabel->text()) + " | " +
                  FromQString(Form->LetterChangesLabel->text()) + " | " +
                  FromQString(Form->WordsInDictionaryLabel->text()) +
                  (Form->PutWordButton->isEnabled() ? " | word" : "") + " | " +
                  WithoutFolder(FromQString(Form->windowTitle())) + " | " + Settings() +
                  (Form->isVisible() ? "" : " | closed") + "\n";
    Transcript += Notes;
    Notes.clear();
    for (; BoxesSeen < Boxes.Shown.size(); ++BoxesSeen) {
      Transcript += "  box: " + WithoutFolder(Boxes.Shown[BoxesSeen].Text) + "\n";
    }
    for (; FilesSeen < Files.Offered.size(); ++FilesSeen) {
      Transcript += "  file dialog: " + Files.Offered[FilesSeen].Filter + " " +
                    WithoutFolder(Files.Offered[FilesSeen].FileName) + "\n";
    }
    for (; ErrorsSeen < Errors.Shown.size(); ++ErrorsSeen) {
      Transcript += "  error: " + Errors.Shown[ErrorsSeen].Message + "\n";
    }
  }

  // The board size and unknown-words boxes, as a new game would take them.
  std::string Settings() const {
    return FromQString(Form->ColumnsCountComboBox->currentText() + "x" +
                       Form->RowsCountComboBox->currentText()) +
           (Form->AllowUnknownWordsCheckBox->isChecked() ? " allow" : "") +
           (Form->AddToWordsListCheckBox->isChecked() ? " add" : "");
  }

  // The program's temporary folder differs on every run.
  std::string WithoutFolder(std::string text) const {
    for (size_t at; (at = text.find(Program.Path())) != std::string::npos;) {
      text.replace(at, Program.Path().size(), "<program>/");
    }
    return text;
  }

  std::string Transcript, Report;
  std::set<std::string> Saved;
  std::optional<int> Answer;
  std::string Notes;  // what dialogs showed during the step
  size_t BoxesSeen = 0, FilesSeen = 0, ErrorsSeen = 0;
};

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST_P(GoldenGame, PlaysAsRecorded) {
  for (const std::string& step : GetParam().Steps) {
    Play(step);
  }
  std::vector<std::pair<std::string, std::string>> outputs = {
      {"transcript.txt", Transcript},
      {"English.txt", Program.Read("GlyphmasonDictionaries/English.txt")}};
  if (!Report.empty()) {
    outputs.emplace_back("report.txt", Report);
  }
  if (std::filesystem::exists(Program.File("Glyphmason.ini"))) {
    outputs.emplace_back("Glyphmason.ini", WithoutFolder(Program.Read("Glyphmason.ini")));
  }
  for (const std::string& name : Saved) {
    outputs.emplace_back(name, Program.Read("GlyphmasonGames/" + name));
  }
  const std::filesystem::path folder =
      std::filesystem::path(GLYPHMASON_GOLDEN_FOLDER) / GetParam().Name;
  const bool update = std::getenv("GLYPHMASON_UPDATE_GOLDEN") != nullptr;
  for (const auto& [name, bytes] : outputs) {
    if (update) {
      std::filesystem::create_directories(folder);
      std::ofstream(folder / name, std::ios::binary) << bytes;
    } else {
      EXPECT_EQ(bytes, ReadFile(folder / name)) << (folder / name);
    }
  }
  // No golden file is left that the game no longer writes.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}),
            static_cast<std::ptrdiff_t>(outputs.size()));
}

INSTANTIATE_TEST_SUITE_P(, GoldenGame, ::testing::ValuesIn(kGames),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
