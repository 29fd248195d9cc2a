// The board's colours; whole turns, refused moves and letter
// changes are played by the golden games.

#include <QLabel>
#include <QPushButton>

#include "support/ui/WindowFixture.h"
#include "window/BoardView.h"

namespace {

using PlayTest = TWindowTest;

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
