#pragma once
// What every fuzz target shares: the program believes it lies in a folder
// that does not exist, so no input ever finds or writes a file beside it.
// The targets are built as libFuzzer programs by fuzz/Fuzz.cmake, and into
// the tests, which replay every input kept in fuzz/corpus/ and fuzz/crashes/
// through them.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
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

// A broken promise of the code under test: ends a fuzzing run as a finding;
// when the inputs are replayed as tests, it fails the test of that input.
inline void Require(bool holds) {
  if (!holds) {
#ifdef GLYPHMASON_LIBFUZZER
    __builtin_trap();
#else
    throw std::logic_error("a promise of the code under test was broken");
#endif
  }
}

// The targets, one per reader. Each takes one input as libFuzzer hands it.
int FuzzStoredText(const uint8_t* data, size_t size);
int FuzzDictionary(const uint8_t* data, size_t size);
int FuzzGameFile(const uint8_t* data, size_t size);
int FuzzWordsList(const uint8_t* data, size_t size);

// The entry point of a libFuzzer program for the target; nothing elsewhere.
#ifdef GLYPHMASON_LIBFUZZER
#define GLYPHMASON_FUZZ_ENTRY(target)                                        \
  extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) { \
    return target(data, size);                                               \
  }
#else
#define GLYPHMASON_FUZZ_ENTRY(target)
#endif
