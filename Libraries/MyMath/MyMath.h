#pragma once
#include <cstdint>

// Rounds half up: up when the fractional part (value minus the largest
// integer not above it) is 0.5 or more, down otherwise; so 2.5 -> 3 and
// -2.5 -> -2.
int64_t RoundHalfUp(double value);
