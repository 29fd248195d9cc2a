#pragma once
#include <cstdint>
#include <string>

// Reads a 32-bit signed decimal integer: an optional sign and digits, nothing
// else. Throws std::invalid_argument ("'x' is not a valid integer value")
// for any other text or a value outside the 32-bit range.
int32_t StrToInt32(const std::string& text);
