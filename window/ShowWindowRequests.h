#pragma once
// A later start of the game by the same user leaves at once, but first asks
// the running game to show its window: the window then comes back from
// minimised (under Wayland: from hidden), raised and active.

#include <QObject>
#include <string>

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

// True in a Wayland session, where a program can neither place its windows
// nor bring a minimised one back, and activates a window only with a token.
bool IsWaylandSession();

// Shows the window again: no longer minimised or hidden, in the mode it had
// (full screen or windowed), raised above the others and active. Under
// Wayland the activation token, when not empty, lets the compositor give it
// the focus; elsewhere the token is not used.
void BringWindowBack(QWidget& window, const std::string& activationToken = {});
