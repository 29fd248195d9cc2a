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

  void ExpectLetterHome() {
    EXPECT_FALSE(Form->Drag.IsDragging());
    EXPECT_EQ(Stock(), "CATSENO");
    EXPECT_EQ(Form->Game.Board[3][3].Letter, 0);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    DragCellToCell(3, 3, 3, 3);  // a later click on the empty square
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
