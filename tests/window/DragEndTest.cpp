// A drag whose release the window never saw ends without a drop: the letter
// stays where it came from, and the button's next release drops nothing.
// Releases outside the window, Space and another window taking the focus
// are played with real input by the stuck-drag scenario.

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>

#include "support/ui/WindowFixture.h"
#include "window/BoardView.h"

namespace {

class DragsWithoutADrop : public TWindowTest {
 protected:
  DragsWithoutADrop() {
    StartGame("CATSENO");
    QApplication::setActiveWindow(Form.get());
  }

  // A later press and release on the empty square (3, 3), as a click.
  void ClickEmptySquare() {
    QWidget* board = Form->BoardPaintBox;
    const QPoint point = board->mapFromGlobal(CellCentre(3, 3));
    QMouseEvent press(QEvent::MouseButtonPress, point, CellCentre(3, 3), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(board, &press);
    MoveAndRelease(board, CellCentre(3, 3));
  }

  void ExpectLetterHome() {
    EXPECT_FALSE(Form->Drag.IsDragging());
    EXPECT_EQ(Stock(), "CATSENO");
    EXPECT_EQ(Form->Game.Board[3][3].Letter, 0);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    ClickEmptySquare();
    EXPECT_EQ(Stock(), "CATSENO");
    EXPECT_EQ(Form->Game.Board[3][3].Letter, 0);
  }
};

TEST_F(DragsWithoutADrop, ReleasedWhereTheWindowNeverSawIt) {
  PressStock(0, Qt::LeftButton);
  QLabel* panel = Form->StockLetterPanels[3];
  const QPoint over(panel->rect().center());
  QMouseEvent move(QEvent::MouseMove, over, panel->mapToGlobal(over), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(panel, &move);
  ExpectLetterHome();
}

}  // namespace
