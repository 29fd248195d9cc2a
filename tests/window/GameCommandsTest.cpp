// Saving, loading and the options, driven through the window; the questions
// and refusals of the commands are played by the golden games.

#include <QCheckBox>
#include <filesystem>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "support/ui/WindowFixture.h"

namespace {

using GameCommandsTest = TWindowTest;

TEST_F(GameCommandsTest, AFileNameInTheSystemsEncodingIsUsedAndShownReadably) {
  StartGame("CATSENO");
  const std::string path = Program.File("GlyphmasonGames/\xC3\x9C" "ber mine.gmg");
  const QString caption = QString::fromUtf8("Glyphmason - " + path);
  Files.Choose(path);
  PressKey(Qt::Key_S);
  EXPECT_EQ(Form->windowTitle(), caption);
  EXPECT_TRUE(std::filesystem::exists(path));
  Form->Game.SetStockLetter(0, 0);
  PressKey(Qt::Key_Z, Qt::ControlModifier);  // load last game
  EXPECT_TRUE(Errors.Shown.empty());
  EXPECT_EQ(Stock(), "CATSENO");
  EXPECT_EQ(Form->windowTitle(), caption);
}

TEST_F(GameCommandsTest, AFileOfAnotherExtensionIsIgnored) {
  Files.Choose(Program.Write("notes.txt", "x"));
  PressKey(Qt::Key_L);
  EXPECT_TRUE(Errors.Shown.empty());
  EXPECT_EQ(Form->windowTitle(), "Glyphmason");
}

TEST_F(GameCommandsTest, LoadedBoardSizeFollowsTheFile) {
  Program.Write("GlyphmasonGames/g.gmg",
                "[GlyphmasonGame]\r\nColumnsCount=12\r\nRowsCount=31\r\nLastDictionaryName="
                "English.gmd\r\n[StockLetters]\r\n1=A\r\n3=\r\n[Map]\r\nL23=X\r\nS23=TRUE\r\n"
                "L0=\r\nS0=TRUE\r\n");
  Files.Choose(Program.File("GlyphmasonGames/g.gmg"));
  PressKey(Qt::Key_L);
  EXPECT_EQ(Form->Game.ColumnsCount, 12);
  EXPECT_EQ(Form->Game.RowsCount, 15);  // 31 is refused: the combo box's 15 stays
  EXPECT_EQ(Form->ColumnsCountComboBox->currentText(), "12");
  EXPECT_EQ(Letter(11, 1), 'X');  // square 23 of a 12-column board
  EXPECT_TRUE(Loose(11, 1));
  EXPECT_FALSE(Loose(0, 0));  // loose without a letter is an empty square
  EXPECT_EQ(Form->Game.LetterChangesCount, 9);  // 12 x 15 x 0.05
  EXPECT_EQ(Stock(), "A......");
}

TEST_F(GameCommandsTest, TheNextStartReadsTheOptionsBack) {
  Form->RowsCountComboBox->setCurrentText("20");
  Form->AllowUnknownWordsCheckBox->setChecked(false);
  Form->close();
  EXPECT_TRUE(Boxes.Shown.empty());
  Form = std::make_unique<TGlyphmasonForm>();
  Form->BeforeRun();
  EXPECT_EQ(Form->RowsCountComboBox->currentText(), "20");
  EXPECT_FALSE(Form->AllowUnknownWordsCheckBox->isChecked());
}

}  // namespace
