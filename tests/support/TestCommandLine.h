#pragma once
// Stands in for the program's command line while the object lives; the
// previous command line comes back when it ends.

#include <string>
#include <utility>
#include <vector>

#include "Libraries/OperatingSystem/OperatingSystem.h"

class TTestCommandLine {
 public:
  explicit TTestCommandLine(std::vector<std::string> line = {}) : Saved(Os::CommandLine()) {
    Set(std::move(line));
  }
  TTestCommandLine(const TTestCommandLine&) = delete;
  TTestCommandLine& operator=(const TTestCommandLine&) = delete;
  ~TTestCommandLine() { Os::SetCommandLineForTesting(Saved); }

  void Set(std::vector<std::string> line) { Os::SetCommandLineForTesting(std::move(line)); }

 private:
  std::vector<std::string> Saved;
};
