// Whole turns played through the window, with the mouse and the buttons.

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "support/ui/WindowFixture.h"
#include "window/BoardView.h"

namespace {

using PlayTest = TWindowTest;

TEST_F(PlayTest, NewGameShowsBoardAndSevenLetters) {
  EXPECT_FALSE(Form->BoardPaintBox->isVisible());
  PressKey(Qt::Key_N, Qt::ControlModifier);
  EXPECT_TRUE(Errors.Shown.empty());
  EXPECT_TRUE(Form->BoardPaintBox->isVisible());
  EXPECT_EQ(Stock().find('.'), std::string::npos);
  EXPECT_FALSE(Form->Game.GameModified);
  EXPECT_EQ(Form->LetterChangesLabel->text(), "Available letter changes 11");
  EXPECT_TRUE(Form->NewStockLettersButton->isEnabled());
  EXPECT_EQ(Form->ScoreLabel->text(), "Score 0");
}

TEST_F(PlayTest, WholeTurnScoresFixesAndRefills) {
  StartGame("CATSENO");
  DragStockToCell(0, 5, 7);
  DragStockToCell(1, 6, 7);
  EXPECT_EQ(Stock(), "..TSENO");
  DragStockToCell(2, 7, 7);
  EXPECT_TRUE(Form->PutWordButton->isEnabled());
  EXPECT_TRUE(Form->Game.GameModified);
  const int possible = Form->Game.WordScore();
  EXPECT_GT(possible, 0);
  Form->PutWordButton->click();
  EXPECT_EQ(Form->Game.Score, possible);
  EXPECT_FALSE(Loose(5, 7));
  EXPECT_EQ(Letter(7, 7), 'T');
  EXPECT_EQ(Form->Game.LooseLetterList.Count(), 0);
  EXPECT_EQ(Stock().find('.'), std::string::npos);
  EXPECT_FALSE(Form->PutWordButton->isEnabled());
  EXPECT_EQ(Form->ScoreLabel->text(), QString("Score %1").arg(possible));
}

TEST_F(PlayTest, UnknownWordRefusedWhenNotAllowed) {
  StartGame("XXCATSE");
  Form->AllowUnknownWordsCheckBox->setChecked(false);
  CommitRow(2, 3, 3);
  EXPECT_EQ(Form->Game.Score, 0);
  EXPECT_TRUE(Loose(3, 3));
  EXPECT_FALSE(Form->ValidWordLabel->text().isEmpty());
}

TEST_F(PlayTest, StockLettersSwapAndMove) {
  StartGame("CATSEN");
  DragStockToStock(0, 1);
  EXPECT_EQ(Stock(), "ACTSEN.");
  DragStockToStock(2, 6);
  EXPECT_EQ(Stock(), "AC.SENT");
  EXPECT_FALSE(Form->Game.GameModified);
}

TEST_F(PlayTest, LooseLettersMoveAndGoBack) {
  StartGame("CATSENO");
  DragStockToCell(0, 2, 2);
  DragCellToCell(2, 2, 4, 4);
  EXPECT_EQ(Letter(2, 2), 0);
  EXPECT_EQ(Letter(4, 4), 'C');
  EXPECT_TRUE(Loose(4, 4));
  EXPECT_EQ(Form->Game.LooseLetterList.Count(), 1);
  DragCellToStock(4, 4, 0);
  EXPECT_EQ(Letter(4, 4), 0);
  EXPECT_EQ(Stock(), "CATSENO");
  DragStockToCell(1, 6, 6);
  RightClickCell(6, 6);
  EXPECT_EQ(Stock(), "CATSENO");
  EXPECT_EQ(Form->Game.LooseLetterList.Count(), 0);
}

TEST_F(PlayTest, SuggestWordLaysTheBestWordAndNamesItsButton) {
  PressKey(Qt::Key_H);  // no game yet
  StartGame("XXXXXXX");
  PressKey(Qt::Key_H);
  ASSERT_EQ(Boxes.Shown.size(), 1u);  // no word can be made: a message, nothing changes
  EXPECT_EQ(Stock(), "XXXXXXX");
  EXPECT_FALSE(Form->Game.GameModified);

  StartGame("NOSECAT");
  DragStockToCell(0, 0, 0);  // a loose N that the suggestion takes back
  PressKey(Qt::Key_H, Qt::AltModifier);
  PressKey(Qt::Key_H, Qt::ControlModifier);
  EXPECT_EQ(Form->Game.LooseLetterList.Count(), 1);
  PressKey(Qt::Key_H, Qt::ShiftModifier);
  // CATS (8 + 8 + 3 + 3 + 4) beats NOSE (5 + 4 + 3 + 7 + 4), from the middle square leftwards.
  EXPECT_EQ(Form->Game.ReadLooseWord(), "CATS");
  EXPECT_EQ(Letter(4, 7), 'C');
  EXPECT_TRUE(Loose(7, 7));
  EXPECT_EQ(Letter(0, 0), 0);
  EXPECT_EQ(Stock(), "NO.E...");
  EXPECT_EQ(Form->ValidWordLabel->text(), "Suggested \"CATS\": click \"Put word on board\"");
  EXPECT_EQ(Form->ScoreLabel->text(), "Score 0; possible score now 26");
  EXPECT_TRUE(Form->PutWordButton->isEnabled());
  EXPECT_TRUE(Form->Game.GameModified);
  Form->PutWordButton->click();
  EXPECT_EQ(Form->Game.Score, 26);
  EXPECT_EQ(Boxes.Shown.size(), 1u);
}

TEST_F(PlayTest, RefusedDropsChangeNothing) {
  StartGame("CATSENO");
  DragStockToCell(0, 2, 2);
  DragStockToCell(1, 2, 2);  // occupied square
  EXPECT_EQ(Letter(2, 2), 'C');
  EXPECT_EQ(Stock(), ".ATSENO");
  DragCellToStock(2, 2, 1);  // occupied slot
  EXPECT_EQ(Letter(2, 2), 'C');
  EXPECT_EQ(Stock(), ".ATSENO");
  // The unpainted strip right of the last column is no square.
  TBoardPaintBox* board = Form->BoardPaintBox;
  const int stripX = board->CellWidth() * Form->Game.ColumnsCount + 1;
  if (stripX < board->width()) {
    TCellPosition none;
    EXPECT_FALSE(board->CellAtPoint({stripX, 5}, none));
  }
}

TEST_F(PlayTest, FixedLettersCannotBeDraggedOrTakenBack) {
  StartGame("CATSENO");
  CommitRow(3, 5, 5);
  const std::string stock = Stock();
  DragCellToCell(5, 5, 5, 8);
  EXPECT_EQ(Letter(5, 5), 'C');
  EXPECT_EQ(Letter(5, 8), 0);
  RightClickCell(5, 5);
  EXPECT_EQ(Letter(5, 5), 'C');
  EXPECT_EQ(Stock(), stock);
}

TEST_F(PlayTest, RightClickReplacesStockLetterAtTheCostOfAChange) {
  StartGame("CATSENO");
  ChooseLetter->RunModal = [](TChooseLetterForm& dialog) {
    dialog.LetterClicked(10);  // X
    return dialog.result();
  };
  RightClickStock(0);
  EXPECT_EQ(Stock(), "XATSENO");
  EXPECT_EQ(Form->Game.LetterChangesCount, 10);
  EXPECT_TRUE(Form->Game.GameModified);

  ChooseLetter->RunModal = [](TChooseLetterForm& dialog) {
    dialog.reject();
    return dialog.result();
  };
  RightClickStock(1);
  EXPECT_EQ(Stock(), "XATSENO");
  EXPECT_EQ(Form->Game.LetterChangesCount, 10);
}

TEST_F(PlayTest, NewStockLettersAtTheLastChange) {
  StartGame("CATSENO");
  DragStockToCell(0, 1, 1);
  Form->Game.LetterChangesCount = 1;
  Form->NewStockLettersButton->click();
  EXPECT_EQ(Letter(1, 1), 0);
  EXPECT_EQ(Form->Game.LooseLetterList.Count(), 0);
  EXPECT_EQ(Stock().find('.'), std::string::npos);
  EXPECT_EQ(Form->LetterChangesLabel->text(), "Available letter changes 0");
  EXPECT_FALSE(Form->NewStockLettersButton->isEnabled());
  bool asked = false;
  ChooseLetter->RunModal = [&](TChooseLetterForm&) {
    asked = true;
    return 0;
  };
  RightClickStock(0);
  EXPECT_FALSE(asked);
}

TEST_F(PlayTest, PaintedColoursTellSquaresApart) {
  StartGame("CATSENO");
  CommitRow(3, 0, 0);
  DragStockToCell(0, 0, 1);
  const QImage image = Form->BoardPaintBox->grab().toImage();
  const QPalette colours = Form->BoardPaintBox->palette();
  const int w = Form->BoardPaintBox->CellWidth();
  const int h = Form->BoardPaintBox->CellHeight();
  // Near the corner of a square, inside its outline, away from the letter.
  const auto fillAt = [&](int column, int row) {
    return image.pixel(column * w + 2, row * h + 2);
  };
  EXPECT_EQ(fillAt(0, 0), colours.color(QPalette::Highlight).rgb());
  EXPECT_EQ(fillAt(0, 1), colours.color(QPalette::Dark).rgb());
  EXPECT_EQ(fillAt(5, 5), colours.color(QPalette::Button).rgb());
  // Two-pixel dividing line between neighbours, in the button text colour.
  EXPECT_EQ(image.pixel(w - 1, 5 * h + 5), colours.color(QPalette::ButtonText).rgb());
  EXPECT_EQ(image.pixel(w, 5 * h + 5), colours.color(QPalette::ButtonText).rgb());
}

}  // namespace
