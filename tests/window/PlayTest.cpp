// The board's colours and the suggested word; whole turns, refused moves
// and letter changes are played by the golden games.

#include <QLabel>
#include <QPushButton>

#include "support/ui/WindowFixture.h"
#include "window/BoardView.h"

namespace {

using PlayTest = TWindowTest;

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
