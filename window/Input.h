#pragma once
// The keyboard test of the window's key commands: a shift state with the
// mouse buttons taken out, and whether exactly one modifier is held.

#include <cstdint>

#include <Qt>

using TShiftState = uint32_t;
inline constexpr TShiftState ssShift = 1u << 0;
inline constexpr TShiftState ssAlt = 1u << 1;
inline constexpr TShiftState ssCtrl = 1u << 2;
inline constexpr TShiftState ssLeft = 1u << 3;
inline constexpr TShiftState ssRight = 1u << 4;
inline constexpr TShiftState ssMiddle = 1u << 5;
inline constexpr TShiftState ssDouble = 1u << 6;

// The shift state of the toolkit's modifier keys and mouse buttons.
TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);
// The shift state without the mouse buttons; the double-click member stays.
TShiftState KeyboardShiftState(TShiftState state);
// True when the keyboard part of the state is exactly the one modifier, so
// Ctrl+N counts for control and Ctrl+Shift+N does not.
bool IsOnlyModifier(TShiftState state, TShiftState modifier);
