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
  void Analyze() { Form->AnalyzeWordsListMenu->trigger(); }
};

TEST_F(ReportTest, NothingToAnalyzeWithoutLettersOfTheAlphabet) {
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
