// Whole games played through the window with the random source seeded. Each
// game is a script, tests/golden/games/<game>/script.txt; every game file it
// saves, the words list and a line of what the window shows after each step
// are compared byte for byte with the golden files beside the script (see
// support/Golden.h for making them anew).

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>

#include "Libraries/Text/ui/QtText.h"
#include "support/Golden.h"
#include "support/ui/WindowFixture.h"
#include "window/GameOverForm.h"
#include "window/RecordsForm.h"

namespace {

// A script holds "seed N" and one step a line: a command and its numbers or
// text. Lines that begin with # are comments.
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
//   answer yes|no|cancel   the answer to the next question (a question without
//                          one fails the test)
//   cancelfile             the next file dialog is cancelled
//   dictionary PATH        D with PATH chosen
//   redraw                 "New stock letters"
//   save NAME / load NAME  S / L with NAME (the rest of the line) in the games folder
//   key [MODIFIER+]LETTER  a key press, as in ctrl+shift+N (ctrl, alt, shift)
//   undo / redo            Alt+Backspace / Shift+Alt+Backspace
//   last                   Ctrl+Z
//   make NAME              a file NAME in the games folder; a folder when NAME ends in /
//   analyze                "Analyze words list"; the report is kept as report.txt
//   close                  the window closes and writes the options (Glyphmason.ini)
//   suggest                H, then the button the word label names
//   about                  the About button
//   menu                   the Work menu's items
//   changes N              the letter changes left set by hand
//   endgame                Ctrl+End ("End game"; answer its question first)
//   records                "Records": the rows of the table shown
// A "Game over" window that opens during a step is read into the transcript
// and closed; the records file is compared whole when the game writes one.
struct TScript {
  uint64_t Seed = 0;
  std::vector<std::string> Steps;
};

TScript ReadScript(const std::string& game) {
  TScript script;
  std::istringstream lines(ReadGolden("games/" + game + "/script.txt"));
  for (std::string line; std::getline(lines, line);) {
    if (line.starts_with("seed ")) {
      script.Seed = std::stoull(line.substr(5));
    } else if (!line.empty() && !line.starts_with("#")) {
      script.Steps.push_back(line);
    }
  }
  return script;
}

// The steps that are one key press each.
const std::map<std::string, std::pair<int, Qt::KeyboardModifiers>> kCommandKeys = {
    {"new", {Qt::Key_N, Qt::ControlModifier}},
    {"undo", {Qt::Key_Backspace, Qt::AltModifier}},
    {"redo", {Qt::Key_Backspace, Qt::AltModifier | Qt::ShiftModifier}},
    {"last", {Qt::Key_Z, Qt::ControlModifier}},
    {"endgame", {Qt::Key_End, Qt::ControlModifier}}};

class GoldenGame : public TWindowTest, public ::testing::WithParamInterface<const char*> {
 protected:
  GoldenGame() {
    RandomSource().SeedForTesting(Script.Seed);
    Form->Session.RecordDateTime = [] { return std::string("Monday, December 07, 2026 5:00:00 PM"); };
  }
  ~GoldenGame() override { RandomSource().SeedForTesting(std::nullopt); }

  void Play(const std::string& step) {
    std::istringstream in(step);
    std::string command, text;
    int a = 0, b = 0, c = 0, d = 0;
    in >> command;
    if (command == "answer" && in >> text) {
      Boxes.Answer(text == "yes" ? kIdYes : text == "no" ? kIdNo : kIdCancel);
    } else if (command == "cancelfile") {
      Files.Cancel();
    } else if (command == "dictionary" && in >> text) {
      Files.Choose(text);
      PressKey(Qt::Key_D);
    } else if (command == "size" && in >> a >> b) {
      Form->ColumnsCountComboBox->setCurrentText(QString::number(a));
      Form->RowsCountComboBox->setCurrentText(QString::number(b));
    } else if (const auto key = kCommandKeys.find(command); key != kCommandKeys.end()) {
      PressKey(key->second.first, key->second.second);
    } else if (command == "key" && in >> text) {
      // A capital letter after its modifiers, as in ctrl+shift+N.
      Qt::KeyboardModifiers modifiers;
      for (size_t plus; (plus = text.find('+')) != std::string::npos; text.erase(0, plus + 1)) {
        const std::string name = text.substr(0, plus);
        modifiers |= name == "ctrl"  ? Qt::ControlModifier
                     : name == "alt" ? Qt::AltModifier
                                     : Qt::ShiftModifier;
      }
      PressKey(Qt::Key_A + (text.back() - 'A'), modifiers);
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
    } else if (command == "save" && std::getline(in >> std::ws, text)) {
      Files.Choose(Program.File("GlyphmasonGames/" + text));
      PressKey(Qt::Key_S);
      Saved.insert(text);
    } else if (command == "load" && std::getline(in >> std::ws, text)) {
      Files.Choose(Program.File("GlyphmasonGames/" + text));
      PressKey(Qt::Key_L);
    } else if (command == "make" && in >> text) {
      if (text.ends_with("/")) {
        std::filesystem::create_directory(Program.File("GlyphmasonGames/" + text));
      } else {
        Program.Write("GlyphmasonGames/" + text, "x");
      }
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
    } else if (command == "menu") {
      // The Work menu as shown; the window's key handler runs the commands, not shortcuts.
      for (QAction* action : Form->WorkMenu->actions()) {
        Notes += "  menu: " + (action->isSeparator() ? "-" : FromQString(action->text())) +
                 (action->shortcut().isEmpty() ? "\n" : " (with a shortcut)\n");
      }
    } else if (command == "about") {
      About->RunModal = [this](TAboutForm& dialog) {
        Notes += "  about: " +
                 FromQString(dialog.ProgramNameLabel->text() + ", " +
                             dialog.ProgramVersionLabel->text()) +
                 "\n";
        return TAboutForm::kResultOk;
      };
      Form->AboutButton->click();
    } else if (command == "suggest") {
      // H lays the best word; the button its label names commits it.
      // Without a game H does nothing and the label stays empty.
      PressKey(Qt::Key_H);
      if (!Form->ValidWordLabel->text().isEmpty()) {
        Transcript += "  " + FromQString(Form->ValidWordLabel->text()) + "\n";
      }
      const bool flipped = Form->ValidWordLabel->text().contains("Put flipped word");
      (flipped ? Form->PutFlippedWordButton : Form->PutWordButton)->click();
    } else if (command == "changes" && in >> a) {
      Form->Game.LetterChangesCount = a;
      Form->Game.ShowLetterChanges();
    } else if (command == "records") {
      Form->RecordsMenu->trigger();
      const TRecordsForm& records = *Form->RecordsForm;
      Notes += "  records: " + FromQString(records.TableComboBox->currentText()) + "\n";
      for (int row = 0; row < records.RecordsTable->rowCount(); ++row) {
        std::string line;
        for (int column = 0; column < records.RecordsTable->columnCount(); ++column) {
          const QTableWidgetItem* item = records.RecordsTable->item(row, column);
          line += (column == 0 ? "" : " | ") + (item ? FromQString(item->text()) : "");
        }
        if (line.find_first_not_of(" |") != std::string::npos) {
          Notes += "    " + line + "\n";
        }
      }
      Form->RecordsForm->close();
    } else {
      FAIL() << "unknown step: " << step;
    }
    if (Form->GameOverForm && Form->GameOverForm->isVisible()) {
      for (const std::string& line : Form->GameOverForm->Lines) {
        Notes += "  game over: " + line + "\n";
      }
      Form->GameOverForm->close();
    }
    Transcript += step + " | " + Stock() + " | loose " +
                  std::to_string(Form->Game.LooseLetterList.Count()) + " | " +
                  FromQString(Form->ScoreLabel->text()) + " | " +
                  FromQString(Form->ValidWordLabel->text()) + " | " +
                  FromQString(Form->LetterChangesLabel->text()) + " | " +
                  FromQString(Form->WordsInDictionaryLabel->text()) +
                  (Form->PutWordButton->isEnabled() ? " | word" : "") +
                  (Form->PlayStateLabel->text().isEmpty()
                       ? ""
                       : " | " + FromQString(Form->PlayStateLabel->text())) +
                  " | " + WithoutFolder(FromQString(Form->windowTitle())) + " | " + Settings() +
                  (Form->isVisible() ? "" : " | closed") + "\n";
    Transcript += Notes;
    Notes.clear();
    for (; BoxesSeen < Boxes.Shown.size(); ++BoxesSeen) {
      Transcript += "  box: " + WithoutFolder(Boxes.Shown[BoxesSeen].Text) + "\n";
    }
    for (; FilesSeen < Files.Offered.size(); ++FilesSeen) {
      const TOfferedFile& offered = Files.Offered[FilesSeen];
      Transcript +=
          (offered.Kind == TFileDialogKind::Save ? "  save dialog: " : "  open dialog: ") +
          offered.Filter + " " + WithoutFolder(offered.FileName) + "\n";
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
  std::string WithoutFolder(const std::string& text) const {
    return Replaced(text, Program.Path(), "<program>/");
  }

  const TScript Script = ReadScript(GetParam());
  std::string Transcript, Report;
  std::set<std::string> Saved;
  std::string Notes;  // what dialogs showed during the step
  size_t BoxesSeen = 0, FilesSeen = 0, ErrorsSeen = 0;
};

TEST_P(GoldenGame, PlaysAsRecorded) {
  ASSERT_FALSE(Script.Steps.empty()) << "no script for " << GetParam();
  for (const std::string& step : Script.Steps) {
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
  if (std::filesystem::exists(Program.File(kRecordsFileName))) {
    outputs.emplace_back(kRecordsFileName, Program.Read(kRecordsFileName));
  }
  for (const std::string& name : Saved) {
    outputs.emplace_back(name, Program.Read("GlyphmasonGames/" + name));
  }
  const std::string folder = "games/" + std::string(GetParam()) + "/";
  for (const auto& [name, bytes] : outputs) {
    EXPECT_TRUE(MatchesGolden(folder + name, bytes));
  }
  // Beside the script, no golden file is left that the game no longer writes.
  EXPECT_EQ(
      std::distance(std::filesystem::directory_iterator(GLYPHMASON_GOLDEN_FOLDER "/" + folder), {}),
      static_cast<std::ptrdiff_t>(outputs.size() + 1));
}

INSTANTIATE_TEST_SUITE_P(, GoldenGame,
                         ::testing::Values("FirstGame", "SmallBoardFlipped", "Suggestions",
                                           "Commands", "Keys", "GameEnd"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
