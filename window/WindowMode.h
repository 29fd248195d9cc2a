#pragma once
// The size and place of the window in windowed mode: 95 % of the work area
// (the screen without the task bar), at least 760 x 540, centred.

struct TWindowBounds {
  int Left = 0, Top = 0, Width = 0, Height = 0;
  friend bool operator==(const TWindowBounds&, const TWindowBounds&) = default;
};

inline constexpr int kMinWindowWidth = 760;
inline constexpr int kMinWindowHeight = 540;

// The outer bounds for a work area of that size: 1024 x 738 gives 972 x 701
// at (26, 18). An extent that is a multiple of 20 gives one less than its
// exact 95 %: a work area 1280 wide gives 1215, not 1216.
TWindowBounds WindowedBounds(int workWidth, int workHeight);
