#pragma once
#include <cstdint>
#include <string>

// The outcome of a function, in order of severity. At least fsError is the
// program's one test for failure; a warning is not a failure.
using TFunStatus = int32_t;
inline constexpr TFunStatus fsPerfect = 0;
inline constexpr TFunStatus fsWarning = 1;
inline constexpr TFunStatus fsError = 2;
inline constexpr TFunStatus fsBeginFunctionError = 3;
inline constexpr TFunStatus fsPanic = 4;
inline constexpr TFunStatus fsCatastrophe = 5;

// "Perfect", "Warning", ...; "Unknown function status" for any other value.
std::string StatusText(TFunStatus status);
