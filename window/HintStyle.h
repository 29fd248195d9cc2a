#pragma once
// The application's hint timing: a hint shows 400 ms after the pointer comes
// to rest, 200 ms when the pointer moves on to the next hinted control, and
// stays up for 100 seconds.

inline constexpr int kHintPause = 400;
inline constexpr int kHintShortPause = 200;
inline constexpr int kHintHidePause = 100000;

// Installs the timing for the whole application (once).
void InstallHintTiming();
