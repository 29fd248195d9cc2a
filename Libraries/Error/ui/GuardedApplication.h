#pragma once
// The application object. An exception thrown from any event handler ends
// in the error dialog (TFunStatContext::OnApplicationException) instead of
// ending the program.

#include <QApplication>

class TGuardedApplication : public QApplication {
 public:
  TGuardedApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};
