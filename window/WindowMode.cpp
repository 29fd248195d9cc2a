#include "window/WindowMode.h"

#include <algorithm>
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

// One extent of the window: the wished one where the work area holds it,
// else the whole work area, but never below the least one.
int FittedExtent(int wished, int work, int least) {
  if (wished <= work) {
    return wished;
  }
  return std::max(work, least);
}

// Centred in the work area; from its start when the window is larger.
int PlaceOf(int extent, int work) { return std::max(0, (work - extent) / 2); }
}  // namespace

TWindowBounds WindowedBounds(int workWidth, int workHeight, TWindowFrame frame) {
  TWindowBounds bounds;
  bounds.Width = FittedExtent(std::max(ShareOf(workWidth), kMinWindowWidth), workWidth,
                              kLeastClientWidth + frame.Width);
  bounds.Height = FittedExtent(std::max(ShareOf(workHeight), kMinWindowHeight), workHeight,
                               kLeastClientHeight + frame.Height);
  bounds.Left = PlaceOf(bounds.Width, workWidth);
  bounds.Top = PlaceOf(bounds.Height, workHeight);
  return bounds;
}
