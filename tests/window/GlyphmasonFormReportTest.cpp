// The Work menu's words-list analysis and the About button, used as the
// player uses them.

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <memory>

#include "Libraries/AboutDialog/ui/AboutForm.h"
#include "Libraries/Text/ui/QtText.h"
#include "support/ui/WindowFixture.h"

namespace {

constexpr const char* kUntouched = "what the player copied before";

// The About dialog exists before the window's BeforeRun, as at start-up.
struct TAboutFormFirst {
  std::unique_ptr<TAboutForm> About = std::make_unique<TAboutForm>();
};

class ReportTest : public TAboutFormFirst, public TWindowTest {
 protected:
  ReportTest() { QGuiApplication::clipboard()->setText(kUntouched); }

  std::string Clipboard() const { return FromQString(QGuiApplication::clipboard()->text()); }
  bool ClipboardHas(const std::string& part) const {
    return Clipboard().find(part) != std::string::npos;
  }
  void Analyze() { Form->AnalyzeWordsListMenu->trigger(); }
};

TEST_F(ReportTest, AnalysisOfTheGamesWordsListGoesToTheClipboard) {
  StartGame();  // CAT CATS TAX AXE NOSE
  Boxes.Shown.clear();
  Analyze();
  EXPECT_TRUE(Errors.Shown.empty());
  ASSERT_EQ(Boxes.Shown.size(), 1u);
  EXPECT_EQ(Boxes.Shown[0].Caption, "Message");
  EXPECT_EQ(Boxes.Shown[0].Text, "Analysis report was successfully copied to clipboard.");
  EXPECT_TRUE(
      Clipboard().starts_with("ANALYSIS REPORT\r\n\r\nLetters (within the alphabet) = 17"
                              "\r\n\r\nCharacters outside the alphabet = 0\r\n"));
  EXPECT_TRUE(ClipboardHas("\r\n* 3 letters = 3 words\r\n* 4 letters = 2 words\r\n"));
  // A occurs four times, T three times.
  EXPECT_TRUE(ClipboardHas("\r\nChar0=A\r\nProb0=1000\r\n"));
  EXPECT_TRUE(ClipboardHas("\r\nChar9=T\r\nProb9=750\r\nChar10=X\r\nProb10=500\r\n"));
  EXPECT_FALSE(ClipboardHas("Char3="));  // no I in these words
}

TEST_F(ReportTest, WordsAddedDuringTheGameAreAnalyzedToo) {
  StartGame();
  Form->Game.WordsListLines.AddWord("sea");
  Analyze();
  EXPECT_TRUE(ClipboardHas("\r\n* 3 letters = 4 words\r\n"));
  EXPECT_TRUE(ClipboardHas("Letters (within the alphabet) = 20\r\n"));
}

TEST_F(ReportTest, NothingToAnalyzeBeforeAGameOrWithoutLettersOfTheAlphabet) {
  Analyze();  // no dictionary is loaded at start
  ASSERT_EQ(Boxes.Shown.size(), 1u);
  EXPECT_EQ(Boxes.Shown[0].Caption, "Warning");
  EXPECT_EQ(Boxes.Shown[0].Text, "There is nothing to analyze.");
  EXPECT_EQ(Clipboard(), kUntouched);

  WriteDictionary("123\r\n--\r\n");
  StartGame();
  Boxes.Shown.clear();
  Analyze();
  ASSERT_EQ(Boxes.Shown.size(), 1u);
  EXPECT_EQ(Boxes.Shown[0].Text, "There is nothing to analyze.");
  EXPECT_EQ(Clipboard(), kUntouched);
  EXPECT_TRUE(Errors.Shown.empty());
}

TEST_F(ReportTest, AboutButtonShowsTheProgramsNameAndVersion) {
  std::string name;
  std::string version;
  int shown = 0;
  About->RunModal = [&](TAboutForm& form) {
    ++shown;
    name = FromQString(form.ProgramNameLabel->text());
    version = FromQString(form.ProgramVersionLabel->text());
    return TAboutForm::kResultOk;
  };
  Form->AboutButton->click();
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(name, "Glyphmason");
  EXPECT_EQ(version, "Version 2.5.2, released on 06.01.2006");
  EXPECT_TRUE(Errors.Shown.empty());
}

}  // namespace
