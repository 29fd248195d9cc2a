#include "window/ShowWindowRequests.h"

#include <QSocketNotifier>
#include <QWidget>

#include "Libraries/Program/ProgramInstance.h"

TShowWindowRequests::TShowWindowRequests(QWidget& window) : QObject(&window), Window(window) {
  const int handle = InstanceRequestHandle();
  if (handle < 0) {
    return;
  }
  auto* notifier = new QSocketNotifier(handle, QSocketNotifier::Read, this);
  connect(notifier, &QSocketNotifier::activated, this, [this] { TakeRequests(); });
}

void TShowWindowRequests::TakeRequests() {
  if (TakeShowWindowRequest()) {
    BringWindowBack(Window);
  }
}

void BringWindowBack(QWidget& window) {
  window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
  window.show();
  window.raise();
  window.activateWindow();
}
