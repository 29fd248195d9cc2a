#include "window/WindowMode.h"

namespace {
// The double nearest 0.95 lies a little below it; the product keeps that.
constexpr double kWindowShare = 0.95;

int ShareOf(int extent) {
  const long double product = static_cast<long double>(extent) * kWindowShare;
  return static_cast<int>(product);
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
