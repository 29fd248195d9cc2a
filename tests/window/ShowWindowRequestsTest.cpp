// A later start of the player's game brings the running game's window back.

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QWidget>

#include "Libraries/Program/ProgramInstance.h"
#include "support/TestHome.h"
#include "window/ShowWindowRequests.h"

namespace {

// Lets the events run until the window is no longer minimised, for at most
// a few seconds.
bool WaitUntilShown(const QWidget& window) {
  QElapsedTimer waited;
  waited.start();
  while (window.isMinimized() && waited.elapsed() < 5000) {
    QApplication::processEvents(QEventLoop::AllEvents, 50);
  }
  return !window.isMinimized();
}

TEST(ShowWindowRequests, ASecondStartBringsTheMinimisedGameBackAsItWas) {
  TTestHome home;
  ASSERT_FALSE(IsAnotherInstanceRunning("Glyphmason"));
  QWidget window;
  new TShowWindowRequests(window);
  window.showFullScreen();
  window.showMinimized();
  ASSERT_TRUE(window.isMinimized());

  // The second start, as the program entry makes it: it meets the game.
  EXPECT_TRUE(IsAnotherInstanceRunning("Glyphmason"));
  EXPECT_TRUE(WaitUntilShown(window));
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.windowState() & ~Qt::WindowActive, Qt::WindowFullScreen)
      << "the window should come back in full screen, as it was";
  ReleaseProgramInstance();
}

}  // namespace
