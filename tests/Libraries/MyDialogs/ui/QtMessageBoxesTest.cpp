#include "Libraries/MyDialogs/ui/QtMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

// Shows a box of the style and, once it is up, records its buttons and
// presses the one given; returns the identifier the box answered with.
int ShowAndPress(uint32_t style, QMessageBox::StandardButton press,
                 QMessageBox::StandardButtons& shown) {
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    shown = box->standardButtons();
    if (QAbstractButton* button = box->button(press)) {
      button->click();
    } else {
      box->reject();
    }
  });
  return TQtMessageBoxes().MessageBox("Error", "Failed to process directory.", style);
}

TEST(TQtMessageBoxes, AnOkayCancelBoxOffersBothAndAnswersWithThePressedOne) {
  QMessageBox::StandardButtons shown;
  EXPECT_EQ(ShowAndPress(kMbOkCancel | kMbIconHand, QMessageBox::Cancel, shown), kIdCancel);
  EXPECT_EQ(shown, QMessageBox::Ok | QMessageBox::Cancel);
  EXPECT_EQ(ShowAndPress(kMbOkCancel | kMbIconHand, QMessageBox::Ok, shown), kIdOk);
  EXPECT_EQ(ShowAndPress(kMbOk, QMessageBox::Ok, shown), kIdOk);
  EXPECT_EQ(shown, QMessageBox::Ok);
}

TEST(TQtMessageBoxes, ABoxOpensOverTheProgramsWindowEvenWhenNoWindowIsActive) {
  QWidget window;
  window.setWindowTitle("Glyphmason");
  window.show();
  // As under Wayland while the program waits on a key: no window is active.
  QApplication::setActiveWindow(nullptr);
  QWidget* parent = nullptr;
  QTimer::singleShot(0, [&] {
    QWidget* box = QApplication::activeModalWidget();
    ASSERT_NE(box, nullptr);
    parent = box->parentWidget();
    qobject_cast<QMessageBox*>(box)->button(QMessageBox::Ok)->click();
  });
  TQtMessageBoxes().MessageBox("Information", "Saved.", kMbOk);
  EXPECT_EQ(parent, &window);
}

}  // namespace
