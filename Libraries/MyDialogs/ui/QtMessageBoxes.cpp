#include "Libraries/MyDialogs/ui/QtMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

#include "Libraries/MyDialogs/ui/FormParts.h"
#include "Libraries/Text/ui/QtText.h"

namespace {

constexpr uint32_t kButtonsMask = 0x0F;
constexpr uint32_t kIconMask = 0xF0;

QMessageBox::Icon IconOf(uint32_t style) {
  switch (style & kIconMask) {
    case kMbIconHand:
      return QMessageBox::Critical;
    case kMbIconQuestion:
      return QMessageBox::Question;
    case kMbIconExclamation:
      return QMessageBox::Warning;
    case kMbIconInformation:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

QMessageBox::StandardButtons ButtonsOf(uint32_t style) {
  switch (style & kButtonsMask) {
    case kMbOkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case kMbYesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case kMbYesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    default:
      return QMessageBox::Ok;
  }
}

int IdentifierOf(int button) {
  switch (button) {
    case QMessageBox::Ok:
      return kIdOk;
    case QMessageBox::Yes:
      return kIdYes;
    case QMessageBox::No:
      return kIdNo;
    default:
      return kIdCancel;
  }
}

}  // namespace

int TQtMessageBoxes::MessageBox(const std::string& caption, const std::string& text,
                                uint32_t style) {
  if (QApplication::instance() == nullptr) {
    return 0;
  }
  QMessageBox box(IconOf(style), PathToQString(caption), PathToQString(text), ButtonsOf(style),
                  DialogParent());
  // Task-modal: the program's other windows take no input while it is up.
  box.setWindowModality(Qt::ApplicationModal);
  if ((style & kButtonsMask) == kMbYesNo) {
    // Closing a Yes/No box with its close box answers No.
    box.setEscapeButton(QMessageBox::No);
  }
  return IdentifierOf(box.exec());
}

void TQtMessageBoxes::MessageBeep(uint32_t /*sound*/) {
  QApplication::beep();
}
