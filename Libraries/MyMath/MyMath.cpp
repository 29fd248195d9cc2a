#include "Libraries/MyMath/MyMath.h"

#include <cmath>

int64_t RoundHalfUp(double value) {
  const double below = std::floor(value);
  const double rounded = (value - below >= 0.5) ? below + 1.0 : below;
  return static_cast<int64_t>(rounded);
}
