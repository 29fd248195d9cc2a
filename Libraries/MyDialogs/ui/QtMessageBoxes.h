#pragma once
// The message boxes and sounds of the window toolkit.

#include "Libraries/MyDialogs/MyDialogs.h"

class TQtMessageBoxes : public IMessageBoxes {
 public:
  int MessageBox(const std::string& caption, const std::string& text, uint32_t style) override;
  void MessageBeep(uint32_t sound) override;
};
