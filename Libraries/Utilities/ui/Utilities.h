#pragma once
// Limit-checked numbers from combo boxes, copying text to the clipboard, and
// keyboard focus.

#include <cstdint>
#include <string>

class QComboBox;
class QWidget;

// The combo box's text as a number within [minimum, maximum]; an empty text
// gives the default. A number outside the limits, or a text that is no
// number, shows a warning with the limits, puts the default back into the
// box, focuses it and gives the default. A text that is no number is also
// recorded as an error in the context handed on.
int32_t GetIntFromComboBox(QComboBox* control, int32_t minimum, int32_t maximum,
                           int32_t defaultValue);
// Any 32-bit number; empty text gives 0.
int32_t GetIntFromComboBoxUnbounded(QComboBox* control);

// Puts the text on the clipboard, or after the text already there when
// appending, and beeps when asked. An empty text only warns and gives false;
// a clipboard failure shows the error dialog with errorMessage (or
// "Failed to copy text to clipboard.") and gives false.
bool CopyTextToClipboard(const std::string& text, std::string errorMessage, bool beep,
                         bool append);

// Gives the keyboard focus to the control, when there is one.
void SetFocusTo(QWidget* control);
