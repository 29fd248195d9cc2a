// The window's side of a game's beginning and end: the prompt on the empty
// board, the text for letters that make no word, the end of a game through
// its key and menu, the summary and the records windows.

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <filesystem>

#include "Libraries/OperatingSystem/OperatingSystem.h"
#include "Libraries/Text/ui/QtText.h"
#include "persistence/Records.h"
#include "support/ui/WindowFixture.h"
#include "window/BoardView.h"
#include "window/GameOverForm.h"
#include "window/RecordsForm.h"

namespace {

class GameEndWindow : public TWindowTest {
 protected:
  // A new game with CAT committed across the middle square.
  void PlayCat() {
    StartGame("CATSENO");
    DragStockToCell(0, 6, 7);
    DragStockToCell(1, 7, 7);
    DragStockToCell(2, 8, 7);
    Form->PutWordButton->click();
  }
  // "End game" by its key, the question answered Yes.
  void EndGame() {
    Boxes.Answer(kIdYes);
    PressKey(Qt::Key_End, Qt::ControlModifier);
  }
};

// Before a game: the prompt, the 21 board sizes, and no letter changes or end.
TEST_F(GameEndWindow, ThePromptShowsUntilAGameIsShown) {
  EXPECT_TRUE(Form->StartPromptLabel->isVisible());
  EXPECT_TRUE(Form->StartPromptLabel->text().contains("Ctrl+N"));
  EXPECT_EQ(Form->ColumnsCountComboBox->count(), 21);
  EXPECT_FALSE(Form->NewStockLettersButton->isEnabled());
  EXPECT_FALSE(Form->EndGameMenu->isEnabled());
  StartGame();
  EXPECT_FALSE(Form->StartPromptLabel->isVisible());
  EXPECT_TRUE(Form->EndGameMenu->isEnabled());
}

// The query, the summary's lines and the records of an ended game are
// compared whole by the GameEnd golden game; here, what the window's menu
// and its summary window do around them.
TEST_F(GameEndWindow, TheMenuFollowsTheGameToItsEndAndTheSummaryLeavesWithIt) {
  PlayCat();
  EXPECT_TRUE(Form->UndoMenu->isEnabled());
  EXPECT_FALSE(Form->RedoMenu->isEnabled());
  EndGame();
  ASSERT_TRUE(Form->GameOverForm && Form->GameOverForm->isVisible());
  EXPECT_FALSE(Form->NewStockLettersButton->isEnabled());
  EXPECT_FALSE(Form->SuggestWordMenu->isEnabled());
  EXPECT_TRUE(Form->GameSummaryMenu->isEnabled());
  Form->GameOverForm->close();
  Form->GameSummaryMenu->trigger();
  EXPECT_TRUE(Form->GameOverForm->isVisible());
  // Undo takes the last word back into play: the summary goes.
  Form->UndoMenu->trigger();
  EXPECT_FALSE(Form->GameOverForm->isVisible());
  EXPECT_FALSE(Form->GameSummaryMenu->isEnabled());
  EXPECT_TRUE(Form->RedoMenu->isEnabled());
  Boxes.Answer(kIdNo);  // the game was not saved
  StartGame();
  EXPECT_FALSE(Form->UndoMenu->isEnabled() || Form->RedoMenu->isEnabled());
}

TEST_F(GameEndWindow, AnEndedGameSavedAndLoadedIsShownOverWithoutItsSummary) {
  PlayCat();
  EndGame();
  Form->GameOverForm->close();
  Files.Choose(Program.File("GlyphmasonGames/ended.gmg"));
  PressKey(Qt::Key_S);
  StartGame();
  Files.Choose(Program.File("GlyphmasonGames/ended.gmg"));
  PressKey(Qt::Key_L);
  EXPECT_TRUE(Form->Game.IsEnded());
  EXPECT_FALSE(Form->GameOverForm->isVisible());
  EXPECT_EQ(Form->Game.Figures.WordsCommitted(), 1);
  EXPECT_FALSE(Form->PutWordButton->isEnabled());
}

TEST_F(GameEndWindow, AnEndedGameRefusesTheKeysOfPlayQuietly) {
  PlayCat();
  EndGame();
  Form->GameOverForm->close();
  const std::string stock = Stock();
  const size_t beeps = Boxes.Beeps.size();
  PressKey(Qt::Key_1);
  PressKey(Qt::Key_2, Qt::ControlModifier);
  PressKey(Qt::Key_Backspace);
  PressKey(Qt::Key_Return);
  EXPECT_EQ(Stock(), stock);
  EXPECT_EQ(Form->Game.LooseLetterList.Count(), 0);
  EXPECT_EQ(Boxes.Beeps.size(), beeps);
}

TEST_F(GameEndWindow, ARecordsFileThatCannotBeWrittenShowsTheErrorAndTheGameGoesOn) {
  std::filesystem::create_directory(Program.File(kRecordsFileName));
  PlayCat();
  EndGame();
  ASSERT_EQ(Errors.Shown.size(), 1u);
  EXPECT_EQ(Errors.Shown[0].Message, "Failed to save file.");
  EXPECT_EQ(Form->GameOverForm->Lines.back(),
            "Records: place 1, but the records file could not be written");
  EXPECT_TRUE(std::filesystem::is_directory(Program.File(kRecordsFileName)));
  Boxes.Answer(kIdNo);
  StartGame();
  EXPECT_FALSE(Form->Game.IsEnded());
}

TEST_F(GameEndWindow, TheRecordsWindowShowsTheCurrentTableAndOthersOnRequest) {
  TRecords records;
  records.Enter("English.gmd 15 x 15", {"then", 40, 2, "CATS", 30, 90, 0});
  records.Enter("English.gmd 15 x 15", {"now", 50, 2, "AXE", 30, 90, 1});
  records.Enter("German.gmd 20 x 20", {"long ago", 7, 1, "AB", 7, 100, 0});
  ASSERT_TRUE(SaveRecordsFile(Program.File(kRecordsFileName), records));
  Form->RecordsMenu->trigger();
  const TRecordsForm& shown = *Form->RecordsForm;
  EXPECT_EQ(shown.TableComboBox->currentText(), "English.gmd 15 x 15");
  EXPECT_EQ(shown.RecordsTable->item(0, 0)->text(), "1 *");
  EXPECT_EQ(shown.RecordsTable->item(1, 4)->text(), "CATS (30)");
  shown.TableComboBox->setCurrentText("German.gmd 20 x 20");
  EXPECT_EQ(shown.RecordsTable->item(0, 2)->text(), "7");
  EXPECT_EQ(shown.RecordsTable->item(1, 2), nullptr);
}

}  // namespace
