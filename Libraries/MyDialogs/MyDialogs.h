#pragma once
// The program's five kinds of modal message box and its two system sounds.
// Every message to the user that is not an error report goes through here.
// The boxes themselves are drawn by whatever IMessageBoxes is installed: the
// window toolkit's in the program, a scripted answerer in tests.

#include <cstdint>
#include <string>

#include "Libraries/Seam/Seam.h"

// The result of a box: which button closed it.
using DialogResult = int32_t;
inline constexpr DialogResult drOk = 1;      // OK or Yes
inline constexpr DialogResult drCancel = 2;  // Cancel, closed, or the box failed to show
inline constexpr DialogResult drNo = 7;      // No

// Box styles: the buttons plus the icon.
inline constexpr uint32_t kMbOk = 0;
inline constexpr uint32_t kMbOkCancel = 1;
inline constexpr uint32_t kMbYesNoCancel = 3;
inline constexpr uint32_t kMbYesNo = 4;
inline constexpr uint32_t kMbIconHand = 16;
inline constexpr uint32_t kMbIconQuestion = 32;
inline constexpr uint32_t kMbIconExclamation = 48;
inline constexpr uint32_t kMbIconInformation = 64;
inline constexpr uint32_t kMbTaskModal = 8192;  // no other window takes input meanwhile
// The buttons' identifiers a box answers with; 0 when it failed to show.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;
// The sounds.
inline constexpr uint32_t kBeepDefault = 0;
inline constexpr uint32_t kBeepExclamation = 48;

class IMessageBoxes {
 public:
  virtual ~IMessageBoxes() = default;
  // Shows a modal box and returns the identifier of the button pressed
  // (kIdCancel when closed), or 0 when the box could not be shown.
  virtual int MessageBox(const std::string& caption, const std::string& text, uint32_t style) = 0;
  virtual void MessageBeep(uint32_t sound) = 0;
};
using MessageBoxesSeam = Seam::TSeam<IMessageBoxes>;

// The common body of the five kinds: shows the box task-modal, sounds the
// exclamation when it cannot be shown, and maps the button to a DialogResult.
DialogResult ShowDialogBox(const std::string& caption, const std::string& text, uint32_t style);

void ShowMessageDialog(const std::string& text);  // "Message", information, OK
void ShowWarningDialog(const std::string& text);  // "Warning", exclamation, OK
void ShowErrorDialog(const std::string& text);    // "Error", stop, OK
// "Query", Yes and No: true exactly when Yes was pressed.
bool ShowQueryDialog(const std::string& text);
// "Query", Yes, No and Cancel: drOk for Yes, drNo for No, drCancel otherwise.
DialogResult ShowQueryCancelDialog(const std::string& text);

void BeepSimple();
void BeepWarning();
