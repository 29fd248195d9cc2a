#pragma once
// What every fuzz target shares: the program believes it lies in a folder
// that does not exist, so no input ever finds or writes a file beside it.

#include <cstddef>
#include <cstdint>
#include <string>

#include "Libraries/OperatingSystem/OperatingSystem.h"

inline void PointProgramNowhere() {
  static const bool pointed = [] {
    Os::SetCommandLineForTesting({"/nonexistent-glyphmason-fuzz/Glyphmason"});
    return true;
  }();
  (void)pointed;
}

inline std::string InputText(const uint8_t* data, size_t size) {
  return std::string(reinterpret_cast<const char*>(data), size);
}

// A broken promise of the code under test: ends the run as a finding.
inline void Require(bool holds) {
  if (!holds) {
    __builtin_trap();
  }
}
