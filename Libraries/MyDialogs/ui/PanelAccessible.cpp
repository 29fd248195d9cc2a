#include "Libraries/MyDialogs/ui/PanelAccessible.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {

// The toolkit asks the factory once for each class of the object's line,
// most derived first, so only widgets that no closer class describes reach
// the plain QFrame and QWidget cases.
QAccessibleInterface* PanelAccessibleFactory(const QString& className, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (widget == nullptr) {
    return nullptr;
  }
  if (className == QLatin1String("QFrame")) {
    // A panel that is a window of its own stays one.
    return new QAccessibleWidget(
        widget, widget->isWindow() ? QAccessible::Window : QAccessible::Grouping);
  }
  if (className == QLatin1String("QWidget") && widget->isWindow()) {
    return new QAccessibleWidget(widget, QAccessible::Window);
  }
  return nullptr;
}

}  // namespace

void InstallPanelAccessibility() {
  static bool installed = false;
  if (!installed) {
    QAccessible::installFactory(PanelAccessibleFactory);
    installed = true;
  }
}
