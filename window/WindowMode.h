#pragma once
// The size and place of the window in windowed mode: 95 % of the work area
// (the screen without the task bar), at least 760 x 540, centred; on a work
// area too small for that but large enough for the left panels, the largest
// window that fits.

struct TWindowBounds {
  int Left = 0, Top = 0, Width = 0, Height = 0;
  friend bool operator==(const TWindowBounds&, const TWindowBounds&) = default;
};

// What a window manager's frame adds to the client area's width and height.
struct TWindowFrame {
  int Width = 0, Height = 0;
};

inline constexpr int kMinWindowWidth = 760;
inline constexpr int kMinWindowHeight = 540;

// The client area the window never goes below: the left panels, which keep
// their layout (they end at x 340, where the board begins, and at y 510),
// beside the narrowest board still worth playing on.
inline constexpr int kLeftPanelsWidth = 340;
inline constexpr int kLeftPanelsHeight = 510;
inline constexpr int kMinBoardWidth = 100;
inline constexpr int kLeastClientWidth = kLeftPanelsWidth + kMinBoardWidth;
inline constexpr int kLeastClientHeight = kLeftPanelsHeight;

// The outer bounds for a work area of that size: 1024 x 738 gives 972 x 701
// at (26, 18). An extent that is a multiple of 20 gives one less than its
// exact 95 %: a work area 1280 wide gives 1215, not 1216. Where that does not
// fit, an extent takes the whole work area (960 x 520 gives 911 x 520 at
// (24, 0)). A work area smaller than the least client area plus the frame
// gets at least 760 x 540, centred: 640 x 480 gives (-60, -30).
TWindowBounds WindowedBounds(int workWidth, int workHeight, TWindowFrame frame = {});
