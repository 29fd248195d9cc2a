#include "window/WindowMode.h"

#include <cstdint>

namespace {
// The window takes 95 % of each extent of the work area, truncated. The
// share is the double nearest 0.95, a little below it, so a product that
// would be whole comes out one lower: 1280 gives 1215, not 1216. Whole
// numbers give that result on every compiler, whatever its floating point.
int ShareOf(int extent) {
  if (extent <= 0) {
    return 0;
  }
  return static_cast<int>((static_cast<int64_t>(extent) * 95 - 1) / 100);
}
}  // namespace

TWindowBounds WindowedBounds(int workWidth, int workHeight) {
  TWindowBounds bounds;
  bounds.Width = ShareOf(workWidth);
  bounds.Height = ShareOf(workHeight);
  if (bounds.Width < kMinWindowWidth) {
    bounds.Width = kMinWindowWidth;
  }
  if (bounds.Height < kMinWindowHeight) {
    bounds.Height = kMinWindowHeight;
  }
  bounds.Left = (workWidth - bounds.Width) / 2;
  bounds.Top = (workHeight - bounds.Height) / 2;
  return bounds;
}
