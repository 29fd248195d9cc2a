#pragma once
// What the game says to a screen reader while the focus stays where it is:
// a label with the accessible role Notification, hidden and shown again with
// each new text, which a screen reader speaks as it appears. It stands one
// pixel wide in the window's corner, paints nothing and takes neither mouse
// nor focus, so nothing of it is seen.

#include <QLabel>
#include <QString>

class QAccessibleInterface;

class TAnnouncer : public QLabel {
  Q_OBJECT

 public:
  explicit TAnnouncer(QWidget* parent);

  // Says the text; an empty text says nothing. The same text said again is
  // spoken again.
  void Say(const QString& text);
  // The text said last; empty before the first.
  QString LastText() const { return accessibleName(); }

 protected:
  void paintEvent(QPaintEvent*) override {}
};

// The announcer's accessible interface (role Notification, named by the
// text said last); nullptr for any other object.
QAccessibleInterface* AnnouncerAccessible(QObject* object);
