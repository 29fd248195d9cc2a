// What a screen reader is told beyond what the screen-reader scenarios read
// from a real game: the table after a change of board size, the stock
// slots' press action, and names for every panel and control.

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>

#include "support/ui/WindowFixture.h"
#include "window/BoardAccessible.h"
#include "window/BoardView.h"

namespace {

struct AccessibilityTest : TWindowTest {
  AccessibilityTest() {
    QApplication::setActiveWindow(Form.get());
    StartGame("CATSENO");
  }
  QAccessibleInterface* Board() const {
    return QAccessible::queryAccessibleInterface(Form->BoardPaintBox);
  }
  QString CellName(int row, int column) const {
    QAccessibleInterface* cell = Board()->tableInterface()->cellAt(row, column);
    return cell == nullptr ? QString("(none)") : cell->text(QAccessible::Name);
  }
};

TEST(SquareNames, ColumnsAreLetteredAndRowsNumberedFromTheTop) {
  EXPECT_EQ(SquareName(0, 0), "A1");
  EXPECT_EQ(SquareName(7, 7), "H8");
  EXPECT_EQ(SquareName(25, 9), "Z10");
  EXPECT_EQ(SquareName(26, 0), "AA1");
  EXPECT_EQ(SquareName(29, 29), "AD30");
}

TEST_F(AccessibilityTest, TheTableFollowsANewBoardSize) {
  NewGameOfSize(30, 12);
  EXPECT_EQ(Board()->tableInterface()->columnCount(), 30);
  EXPECT_EQ(Board()->tableInterface()->rowCount(), 12);
  EXPECT_EQ(CellName(11, 29), "AD12, empty");
  EXPECT_EQ(CellName(12, 0), "(none)");
  EXPECT_EQ(Board()->focusChild()->text(QAccessible::Name), "P7, empty");

  // A square of the wide board is no child of a narrower one, and takes no
  // other square's index.
  QAccessibleInterface* farCell = Board()->tableInterface()->cellAt(2, 20);
  NewGameOfSize(10, 12);
  EXPECT_EQ(Board()->indexOfChild(farCell), -1);
}

TEST_F(AccessibilityTest, AStockSlotsPressActionPutsItsLetterAtTheCursor) {
  QAccessibleInterface* slot = QAccessible::queryAccessibleInterface(Form->StockLetterPanels[0]);
  slot->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(CellName(7, 7), "H8, C, loose");
}

TEST_F(AccessibilityTest, EveryPanelAndControlHasAName) {
  QList<QWidget*> unnamed;
  for (QWidget* control : Form->findChildren<QWidget*>()) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
    if (face != nullptr && control->isVisibleTo(Form.get()) &&
        face->text(QAccessible::Name).isEmpty() && face->role() != QAccessible::List &&
        control->parentWidget() != nullptr &&
        qobject_cast<QComboBox*>(control->parentWidget()) == nullptr) {
      unnamed << control;
    }
  }
  QStringList names;
  for (const QWidget* control : unnamed) {
    names << control->objectName() + " (" + control->metaObject()->className() + ")";
  }
  EXPECT_TRUE(unnamed.isEmpty()) << names.join(", ").toStdString();
}

}  // namespace
