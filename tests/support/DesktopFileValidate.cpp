#include "support/DesktopFileValidate.h"

#include <cstdio>
#include <cstdlib>

namespace {
// The text as one argument of the shell: in single quotes.
std::string ShellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (const char c : text) {
    quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  }
  return quoted + "'";
}
}  // namespace

bool HaveDesktopFileValidator() {
  return std::system("command -v desktop-file-validate >/dev/null 2>&1") == 0;
}

::testing::AssertionResult PassesDesktopFileValidate(const std::string& path) {
  FILE* run = ::popen(("desktop-file-validate " + ShellQuoted(path) + " 2>&1").c_str(), "r");
  if (run == nullptr) {
    return ::testing::AssertionFailure() << "desktop-file-validate could not be started";
  }
  std::string report;
  char buffer[512];
  while (std::fgets(buffer, sizeof buffer, run) != nullptr) {
    report += buffer;
  }
  const int status = ::pclose(run);
  if (status == 0) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << path << ":\n" << report;
}
