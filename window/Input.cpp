#include "window/Input.h"

TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
  TShiftState state = 0;
  state |= modifiers.testFlag(Qt::ShiftModifier) ? ssShift : 0;
  state |= modifiers.testFlag(Qt::AltModifier) ? ssAlt : 0;
  state |= modifiers.testFlag(Qt::ControlModifier) ? ssCtrl : 0;
  state |= buttons.testFlag(Qt::LeftButton) ? ssLeft : 0;
  state |= buttons.testFlag(Qt::RightButton) ? ssRight : 0;
  state |= buttons.testFlag(Qt::MiddleButton) ? ssMiddle : 0;
  return state;
}

TShiftState KeyboardShiftState(TShiftState state) {
  return state & ~(ssLeft | ssRight | ssMiddle);
}

bool IsOnlyModifier(TShiftState state, TShiftState modifier) {
  return KeyboardShiftState(state) == modifier;
}
