// When hints show and go as the pointer moves over the controls.

#include <gtest/gtest.h>

#include <utility>

#include "window/HintSchedule.h"

namespace {

const int kWork = 1;
const int kHelp = 2;
const THintSchedule::TControl Work = &kWork;
const THintSchedule::TControl Help = &kHelp;

// Whether the shown hint goes now, and in how many milliseconds the next shows (-1: none).
void Expect(THintSchedule::TStep step, std::pair<bool, int> expected, const char* scene) {
  EXPECT_EQ(std::pair(step.HideShown, step.ShowAfter), expected) << scene;
}

TEST(HintSchedule, RestingWaitsTheLongPauseMovingOnTheShortOne) {
  THintSchedule hints;
  Expect(hints.PointerMoved(nullptr, 0), {false, -1}, "over no hinted control");
  Expect(hints.PointerMoved(Work, 10), {false, kHintPause}, "arriving on Work");
  Expect(hints.PointerMoved(Work, 300), {false, kHintPause}, "still moving on Work");
  hints.Shown();
  Expect(hints.PointerMoved(Work, 900), {false, -1}, "moving under its own hint");
  Expect(hints.PointerMoved(Help, 5000), {true, kHintShortPause}, "on to Help: Work's goes now");
  hints.Shown();
  Expect(hints.PointerMoved(nullptr, 6000), {true, -1}, "off the controls");
  Expect(hints.PointerMoved(Work, 6000 + kHintShortPause), {false, kHintShortPause},
         "across the gap to the next control");
  Expect(hints.PointerMoved(nullptr, 7000), {false, -1}, "off before it showed");
  Expect(hints.PointerMoved(Help, 9000), {false, kHintPause}, "long after the last hint");
}

TEST(HintSchedule, AClickOrTheEndOfItsTimeKeepsTheHintAwayUntilTheNextControl) {
  THintSchedule hints;
  hints.PointerMoved(Work, 0);
  hints.Shown();
  hints.Cancelled();
  Expect(hints.PointerMoved(Work, 500), {false, -1}, "moving on the clicked control");
  hints.Shown();  // a late timer shows nothing
  Expect(hints.PointerMoved(Help, 600), {false, kHintPause}, "the next control");
}

}  // namespace
