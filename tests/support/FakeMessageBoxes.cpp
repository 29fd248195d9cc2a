#include "support/FakeMessageBoxes.h"

#include <gtest/gtest.h>

int TFakeMessageBoxes::MessageBox(const std::string& caption, const std::string& text,
                                  uint32_t style) {
  Shown.push_back({caption, text, style});
  if (!Answers.empty()) {
    const int button = Answers.front();
    Answers.pop_front();
    return button;
  }
  if ((style & 0x0F) == kMbOk) {
    return kIdOk;
  }
  ADD_FAILURE() << "No answer queued for the box \"" << caption << "\": " << text;
  return kIdCancel;
}

std::vector<std::string> TFakeMessageBoxes::Texts() const {
  std::vector<std::string> texts;
  for (const TShownBox& shown : Shown) {
    texts.push_back(shown.Text);
  }
  return texts;
}
