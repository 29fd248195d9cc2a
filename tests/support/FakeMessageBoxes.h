#pragma once
// Answers the program's message boxes in tests and records what they showed.
// Installed for the life of the object.

#include <deque>
#include <string>
#include <vector>

#include "Libraries/MyDialogs/MyDialogs.h"

struct TShownBox {
  std::string Caption;
  std::string Text;
  uint32_t Style = 0;
};

class TFakeMessageBoxes : public IMessageBoxes {
 public:
  TFakeMessageBoxes() : Scope(this) {}

  // The buttons to press, in order (kIdYes, kIdNo, kIdCancel, ...; 0 for a
  // box that fails to show). A box with only OK is answered OK when none is
  // queued; any other box without a queued answer fails the test.
  void Answer(int button) { Answers.push_back(button); }

  int MessageBox(const std::string& caption, const std::string& text, uint32_t style) override;
  void MessageBeep(uint32_t sound) override { Beeps.push_back(sound); }
  // The texts of the boxes shown, in order.
  std::vector<std::string> Texts() const;

  std::vector<TShownBox> Shown;
  std::vector<uint32_t> Beeps;

 private:
  std::deque<int> Answers;
  MessageBoxesSeam::TScoped Scope;
};
