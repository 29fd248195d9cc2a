#pragma once
// When the hints of the controls show and go, apart from any toolkit: a hint
// shows 400 ms after the pointer comes to rest on a hinted control, 200 ms
// when the pointer moves on from one hinted control to the next, and stays
// up for 100 seconds. The old hint goes at once when the pointer leaves its
// control.

#include <cstdint>

inline constexpr int kHintPause = 400;
inline constexpr int kHintShortPause = 200;
inline constexpr int kHintHidePause = 100000;

class THintSchedule {
 public:
  using TControl = const void*;  // a hinted control; nullptr for none

  struct TStep {
    bool HideShown = false;  // the hint that is up goes now
    int ShowAfter = -1;      // ms until the hint of the control under the pointer shows; -1: none
  };

  // The pointer moved, now over this hinted control (nullptr: none) at the
  // time now (ms). Moves within a control whose hint is waiting wait anew.
  TStep PointerMoved(TControl control, int64_t now);
  // The waiting hint has shown.
  void Shown();
  // A click, a key or the end of its time took the hint away, or the one
  // waiting: none shows again until the pointer comes to another control.
  void Cancelled();

 private:
  TControl Under = nullptr;    // the control whose hint waits or shows
  bool Showing = false;
  bool Suppressed = false;
  int Pause = kHintPause;      // the wait of the hint that waits
  int64_t LastHidden = -kHintShortPause - 1;
};
