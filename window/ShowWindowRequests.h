#pragma once
// A later start of the game by the same user leaves at once, but first asks
// the running game to show its window: the window then comes back from
// minimised, raised and active.

#include <QObject>

class QWidget;

class TShowWindowRequests : public QObject {
 public:
  // Watches the held instance lock for requests to show the window, as a
  // child of the window; watches nothing when no lock is held.
  explicit TShowWindowRequests(QWidget& window);

 private:
  void TakeRequests();

  QWidget& Window;
};

// Shows the window again: no longer minimised, in the mode it had (full
// screen or windowed), raised above the others and active.
void BringWindowBack(QWidget& window);
