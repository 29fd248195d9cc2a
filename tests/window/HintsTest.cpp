// The hints of the window's controls, shown on the program's own schedule,
// and the tooltips of other windows, left to the toolkit.

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolTip>

#include "support/ui/WindowFixture.h"
#include "window/Hints.h"

namespace {

// Runs the event loop until the condition holds, for two seconds at most.
template <typename TCondition>
bool WaitFor(TCondition condition) {
  QElapsedTimer clock;
  clock.start();
  while (!condition() && clock.elapsed() < 2000) {
    QApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  return condition();
}

class WindowHints : public TWindowTest {
 protected:
  // The pointer comes to rest over the middle of the control.
  void RestOn(QWidget* control) {
    const QPoint local = control->rect().center();
    QMouseEvent move(QEvent::MouseMove, local, control->mapToGlobal(local), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(control, &move);
  }
  QLabel* Hint() const { return Form->Hints->HintWindow(); }
};

TEST_F(WindowHints, AHintShowsOnAScreenLeftOfThePrimaryOne) {
  Form->move(-900, 40);
  ASSERT_LT(Form->HideButton->mapToGlobal(QPoint(0, 0)).x(), 0);
  RestOn(Form->HideButton);
  EXPECT_TRUE(WaitFor([&] { return Hint()->isVisible(); }));
  EXPECT_EQ(Hint()->text(), Form->HideButton->toolTip());
}

TEST_F(WindowHints, TheToolkitShowsNoTooltipOfAHintedControlButAnotherWindowKeepsItsOwn) {
  const QPoint at = Form->HideButton->rect().center();
  QHelpEvent hinted(QEvent::ToolTip, at, Form->HideButton->mapToGlobal(at));
  QApplication::sendEvent(Form->HideButton, &hinted);
  EXPECT_FALSE(QToolTip::isVisible());
  QWidget other;
  other.setToolTip("Another window's tip");
  other.resize(200, 100);
  other.show();
  QHelpEvent help(QEvent::ToolTip, QPoint(10, 10), other.mapToGlobal(QPoint(10, 10)));
  QApplication::sendEvent(&other, &help);
  EXPECT_TRUE(QToolTip::isVisible());
  EXPECT_EQ(QToolTip::text(), "Another window's tip");
  QToolTip::hideText();
}

}  // namespace
