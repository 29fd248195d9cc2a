#include "Libraries/Error/ui/GuardedApplication.h"

#include <exception>

#include "Libraries/Error/FunStatContext.h"

TGuardedApplication::TGuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TGuardedApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    TFunStatContext::OnApplicationException(error.what());
  } catch (...) {
    TFunStatContext::OnApplicationException("Unhandled generic exception.");
  }
  return false;
}
