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

// Centred in the work area.
int PlaceOf(int extent, int work) {
  return (work - extent) / 2;
}
}  // namespace

TWindowBounds WindowedBounds(int workWidth, int workHeight, TWindowFrame frame) {
  TWindowBounds bounds;
  // A work area that cannot hold the left panels gets the window as ever:
  // at least 760 x 540, centred, even where that leaves the work area.
  if (workWidth < kLeastClientWidth + frame.Width ||
      workHeight < kLeastClientHeight + frame.Height) {
    bounds.Width = std::max(ShareOf(workWidth), kMinWindowWidth);
    bounds.Height = std::max(ShareOf(workHeight), kMinWindowHeight);
    bounds.Left = PlaceOf(bounds.Width, workWidth);
    bounds.Top = PlaceOf(bounds.Height, workHeight);
    return bounds;
  }
  // Where it holds them, the window never leaves it: an extent too large
  // takes the whole work area.
  bounds.Width = std::min(std::max(ShareOf(workWidth), kMinWindowWidth), workWidth);
  bounds.Height = std::min(std::max(ShareOf(workHeight), kMinWindowHeight), workHeight);
  bounds.Left = PlaceOf(bounds.Width, workWidth);
  bounds.Top = PlaceOf(bounds.Height, workHeight);
  return bounds;
}
