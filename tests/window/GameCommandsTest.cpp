// Saving, loading and the save question, driven through the window.

#include <QCheckBox>
#include <filesystem>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "support/ui/WindowFixture.h"

namespace {

using GameCommandsTest = TWindowTest;

TEST_F(GameCommandsTest, SavedGameComesBackWithLooseAndFixedLetters) {
  StartGame("CATSENO");
  CommitRow(3, 5, 7);
  Form->Game.SetStockLetter(0, 'S');
  DragStockToCell(0, 8, 7);  // CATS, still loose
  const int score = Form->Game.Score;
  const std::string stock = Stock();
  // A file name in the system's encoding (UTF-8) is used unchanged and
  // shown readably in the caption once saved.
  const std::string path = Program.File("GlyphmasonGames/\xC3\x9C" "ber mine.gmg");
  const QString caption = QString::fromUtf8("Glyphmason - " + path);
  Files.Choose(path);
  PressKey(Qt::Key_S);
  EXPECT_FALSE(Form->Game.GameModified);
  EXPECT_EQ(Form->LastGameFileName, path);
  EXPECT_EQ(Form->windowTitle(), caption);
  EXPECT_TRUE(std::filesystem::exists(path));

  Boxes.Answer(kIdNo);  // the new game does not save the game again
  Form->Game.GameModified = true;
  PressKey(Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(Letter(5, 7), 0);

  PressKey(Qt::Key_Z, Qt::ControlModifier);  // load last game
  EXPECT_TRUE(Errors.Shown.empty());
  EXPECT_EQ(Letter(5, 7), 'C');
  EXPECT_FALSE(Loose(5, 7));
  EXPECT_EQ(Letter(8, 7), 'S');
  EXPECT_TRUE(Loose(8, 7));
  EXPECT_EQ(Form->Game.LooseLetterList.Count(), 1);
  EXPECT_EQ(Form->Game.Score, score);
  EXPECT_EQ(Stock(), stock);
  EXPECT_TRUE(Form->PutWordButton->isEnabled());
  EXPECT_EQ(Form->windowTitle(), caption);
  DragCellToCell(8, 7, 8, 9);  // a loaded loose letter still moves
  EXPECT_EQ(Letter(8, 9), 'S');
}

TEST_F(GameCommandsTest, SaveQuestionCancelKeepsTheGame) {
  StartGame("CATSENO");
  DragStockToCell(0, 5, 7);
  Boxes.Answer(kIdCancel);
  PressKey(Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(Boxes.Shown.back().Text, "The game has been modified. Save it?");
  EXPECT_EQ(Letter(5, 7), 'C');
  EXPECT_TRUE(Form->Game.GameModified);
  EXPECT_EQ(Stock(), ".ATSENO");
}

TEST_F(GameCommandsTest, SaveQuestionYesThenCancelledDialogGoesOn) {
  StartGame("CATSENO");
  DragStockToCell(0, 5, 7);
  Boxes.Answer(kIdYes);
  Files.Cancel();
  PressKey(Qt::Key_N, Qt::ControlModifier);
  ASSERT_EQ(Files.Offered.size(), 1u);
  EXPECT_EQ(Files.Offered[0].Filter, "Glyphmason game (*.gmg)|*.gmg");
  EXPECT_EQ(Files.Offered[0].FileName, Program.File("GlyphmasonGames/*.gmg"));
  EXPECT_EQ(Letter(5, 7), 0);
  EXPECT_FALSE(Form->Game.GameModified);
}

TEST_F(GameCommandsTest, OverwriteDeclinedLeavesGameModified) {
  StartGame("CATSENO");
  DragStockToCell(0, 5, 7);
  const std::string path = Program.Write("old.gmg", "old");
  Files.Choose(path);
  Boxes.Answer(kIdNo);
  Form->SaveGameMenuClick();
  EXPECT_EQ(Program.Read("old.gmg"), "old");
  EXPECT_TRUE(Form->Game.GameModified);
  EXPECT_NE(Form->LastGameFileName, path);
}

TEST_F(GameCommandsTest, LoadingMissingOrForeignFiles) {
  PressKey(Qt::Key_Z, Qt::ControlModifier);  // the first time: "*.gmg" names no file
  ASSERT_EQ(Errors.Shown.size(), 1u);
  EXPECT_EQ(Errors.Shown[0].Message, "Failed to load last game.");
  EXPECT_NE(Errors.Shown[0].Report.find("* Description: \"There is no such file\"\r\n"
                                        "* Parameter 1: \"" +
                                        Program.File("GlyphmasonGames/*.gmg") + "\""),
            std::string::npos);
  Files.Choose(Program.Write("notes.txt", "x"));
  PressKey(Qt::Key_L);
  EXPECT_EQ(Errors.Shown.size(), 1u);  // another extension: nothing happens
  // A folder named like a game: the normal load failure, saying what it is.
  std::filesystem::create_directory(Program.File("GlyphmasonGames/x.gmg"));
  Form->LastGameFileName = Program.File("GlyphmasonGames/x.gmg");
  PressKey(Qt::Key_Z, Qt::ControlModifier);
  ASSERT_EQ(Errors.Shown.size(), 2u);
  EXPECT_EQ(Errors.Shown[1].Message, "Failed to load file.");
  EXPECT_NE(Errors.Shown[1].Report.find("* Description: \"The path names a folder, not a file.\""),
            std::string::npos)
      << Errors.Shown[1].Report;
}

TEST_F(GameCommandsTest, CapitalExtensionLoads) {
  StartGame("CATSENO");
  const std::string path = Program.File("GlyphmasonGames/UPPER.GMG");
  Files.Choose(path);
  Form->SaveGameMenuClick();
  Form->Game.SetStockLetter(0, 0);
  Files.Choose(path);
  PressKey(Qt::Key_L);
  EXPECT_TRUE(Errors.Shown.empty());
  EXPECT_EQ(Stock(), "CATSENO");
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

TEST_F(GameCommandsTest, OptionsAreWrittenOnCloseWithoutQuestion) {
  Form->RowsCountComboBox->setCurrentText("20");
  Form->ColumnsCountComboBox->setCurrentText("12");
  Form->AllowUnknownWordsCheckBox->setChecked(false);
  Form->close();
  EXPECT_TRUE(Boxes.Shown.empty());
  EXPECT_EQ(Program.Read("Glyphmason.ini"),
            "[GlyphmasonGame]\r\nColumnsCount=12\r\nRowsCount=20\r\n"
            "LastDictionaryName=English.gmd\r\nAddToWordsList=TRUE\r\nAllowUnknownWords=FALSE\r\n"
            "LastGameTitle=" +
                Program.File("GlyphmasonGames/*.gmg") + "\r\nFullScreen=FALSE\r\n\r\n");

  // The next start reads them back.
  Form = std::make_unique<TGlyphmasonForm>();
  Form->BeforeRun();
  EXPECT_EQ(Form->ColumnsCountComboBox->currentText(), "12");
  EXPECT_EQ(Form->RowsCountComboBox->currentText(), "20");
  EXPECT_FALSE(Form->AllowUnknownWordsCheckBox->isChecked());
}

TEST_F(GameCommandsTest, CancelInCloseQuestionKeepsWindowAndOptions) {
  StartGame("CATSENO");
  DragStockToCell(0, 5, 7);
  Boxes.Answer(kIdCancel);
  EXPECT_FALSE(Form->close());
  EXPECT_TRUE(Form->isVisible());
  EXPECT_FALSE(std::filesystem::exists(Program.File("Glyphmason.ini")));
}

TEST_F(GameCommandsTest, MissingDictionaryLeavesEmptyBoardAndStock) {
  Files.Choose("/elsewhere/Klingon.gmd");
  PressKey(Qt::Key_D);
  ASSERT_GE(Boxes.Shown.size(), 2u);
  EXPECT_EQ(Boxes.Shown[0].Text, "There is no such dictionary.");
  EXPECT_EQ(Boxes.Shown[1].Text,
            "There aren't enough active letters to form an alphabet. \nChange the dictionary!");
  EXPECT_EQ(Stock(), ".......");
  EXPECT_EQ(Form->Dictionary.DictionaryName, "");
}

TEST_F(GameCommandsTest, NewWordsAreWrittenWithTheGame) {
  StartGame("XXCATSE");
  CommitRow(2, 3, 3);  // XX: unknown, allowed, added
  EXPECT_TRUE(Form->Game.WordsListModified);
  Files.Choose(Program.File("GlyphmasonGames/w.gmg"));
  Form->SaveGameMenuClick();
  EXPECT_NE(Program.Read("GlyphmasonDictionaries/English.txt").find("XX\r\n"), std::string::npos);
}

}  // namespace
