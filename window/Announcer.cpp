#include "window/Announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>

TAnnouncer::TAnnouncer(QWidget* parent) : QLabel(parent) {
  setObjectName("Announcer");
  // The label's own text stays empty: the words said are its accessible
  // name, so no caption has to fit into the one pixel.
  setGeometry(0, 0, 1, 1);
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  // Shown only while it has something to say.
  hide();
#if QT_CONFIG(accessibility)
  // An interface made while the label was still being built took it for a
  // plain label: the next one asked for is the announcer's.
  if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(this);
      made != nullptr && made->role() != QAccessible::Notification) {
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
  }
#endif
}

void TAnnouncer::Say(const QString& text) {
  if (text.isEmpty()) {
    return;
  }
  // A screen reader speaks a notification as it becomes visible.
  hide();
  setAccessibleName(text);
  show();
}

QAccessibleInterface* AnnouncerAccessible(QObject* object) {
  auto* announcer = qobject_cast<TAnnouncer*>(object);
  return announcer == nullptr ? nullptr
                              : new QAccessibleWidget(announcer, QAccessible::Notification);
}
