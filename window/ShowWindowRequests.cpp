#include "window/ShowWindowRequests.h"

#include <QGuiApplication>
#include <QSocketNotifier>
#include <QWidget>

#include "Libraries/OperatingSystem/OperatingSystem.h"
#include "Libraries/Program/ProgramInstance.h"

namespace {
// Qt's Wayland plugin activates a window with the token it finds in this
// variable when the activation is asked for, and then removes it.
constexpr const char* kActivationTokenVariable = "XDG_ACTIVATION_TOKEN";
}  // namespace

TShowWindowRequests::TShowWindowRequests(QWidget& window) : QObject(&window), Window(window) {
  const int handle = InstanceRequestHandle();
  if (handle < 0) {
    return;
  }
  auto* notifier = new QSocketNotifier(handle, QSocketNotifier::Read, this);
  connect(notifier, &QSocketNotifier::activated, this, [this] { TakeRequests(); });
}

void TShowWindowRequests::TakeRequests() {
  std::string activationToken;
  if (TakeShowWindowRequest(activationToken)) {
    BringWindowBack(Window, activationToken);
  }
}

bool IsWaylandSession() { return QGuiApplication::platformName().startsWith("wayland"); }

void BringWindowBack(QWidget& window, const std::string& activationToken) {
  const bool passToken = IsWaylandSession() && !activationToken.empty();
  if (passToken) {
    Os::SetEnvironmentVariable(kActivationTokenVariable, activationToken);
  }
  window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
  window.show();
  window.raise();
  window.activateWindow();
  if (passToken) {
    // A compositor without activation leaves it unread: no program started
    // later inherits a token that was not its own.
    Os::SetEnvironmentVariable(kActivationTokenVariable, "");
  }
}
