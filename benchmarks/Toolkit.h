#pragma once
// The window toolkit for the benchmarks that paint or run windows.

#include <QApplication>
#include <memory>

// The toolkit, offscreen, created once for the whole run.
inline QApplication& Toolkit() {
  static int argc = 1;
  static char name[] = "glyphmason_benchmarks";
  static char* argv[] = {name, nullptr};
  static std::unique_ptr<QApplication> application = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QApplication>(argc, argv);
  }();
  return *application;
}
