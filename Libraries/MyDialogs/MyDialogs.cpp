#include "Libraries/MyDialogs/MyDialogs.h"

#include "Libraries/Text/Translation.h"

DialogResult ShowDialogBox(const std::string& caption, const std::string& text, uint32_t style) {
  IMessageBoxes* boxes = MessageBoxesSeam::Current();
  const int button = boxes == nullptr ? 0 : boxes->MessageBox(caption, text, style | kMbTaskModal);
  if (button == 0) {
    BeepWarning();
  }
  switch (button) {
    case kIdOk:
    case kIdYes:
      return drOk;
    case kIdNo:
      return drNo;
    default:
      return drCancel;
  }
}

void ShowMessageDialog(const std::string& text) {
  //: Title of a box that tells the player something
  ShowDialogBox(Translated("MyDialogs", "Message"), text, kMbIconInformation);
}

void ShowWarningDialog(const std::string& text) {
  //: Title of a box that warns the player
  ShowDialogBox(Translated("MyDialogs", "Warning"), text, kMbIconExclamation);
}

void ShowErrorDialog(const std::string& text) {
  //: Title of a box that tells of a failure
  ShowDialogBox(Translated("MyDialogs", "Error"), text, kMbIconHand);
}

bool ShowQueryDialog(const std::string& text) {
  //: Title of a box that asks the player a question
  return ShowDialogBox(Translated("MyDialogs", "Query"), text, kMbIconQuestion | kMbYesNo) == drOk;
}

DialogResult ShowQueryCancelDialog(const std::string& text) {
  //: Title of a box that asks the player a question
  return ShowDialogBox(Translated("MyDialogs", "Query"), text, kMbIconQuestion | kMbYesNoCancel);
}

namespace {
void Beep(uint32_t sound) {
  if (IMessageBoxes* boxes = MessageBoxesSeam::Current()) {
    boxes->MessageBeep(sound);
  }
}
}  // namespace

void BeepSimple() { Beep(kBeepDefault); }

void BeepWarning() { Beep(kBeepExclamation); }
