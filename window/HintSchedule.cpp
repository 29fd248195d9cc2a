#include "window/HintSchedule.h"

THintSchedule::TStep THintSchedule::PointerMoved(TControl control, int64_t now) {
  TStep step;
  if (control == Under) {
    if (control != nullptr && !Showing && !Suppressed) {
      step.ShowAfter = Pause;  // still coming to rest
    }
    return step;
  }
  if (Showing) {
    step.HideShown = true;
    Showing = false;
    LastHidden = now;
  }
  Under = control;
  Suppressed = false;
  if (control != nullptr) {
    // Moving on from one hint to the next, also across the gap between two
    // controls, the next one comes sooner.
    Pause = now - LastHidden <= kHintShortPause ? kHintShortPause : kHintPause;
    step.ShowAfter = Pause;
  }
  return step;
}

void THintSchedule::Shown() {
  if (Under != nullptr && !Suppressed) {
    Showing = true;
  }
}

void THintSchedule::Cancelled() {
  Showing = false;
  Suppressed = true;
}
