#include "Libraries/Utilities/ui/Utilities.h"

#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>

#include "Libraries/Error/FunctionScope.h"
#include "Libraries/MyDialogs/MyDialogs.h"
#include "Libraries/OperatingSystem/OperatingSystem.h"
#include "Libraries/Text/Numbers.h"
#include "Libraries/Text/Translation.h"
#include "Libraries/Text/ui/QtText.h"

int32_t GetIntFromComboBox(QComboBox* control, int32_t minimum, int32_t maximum,
                           int32_t defaultValue) {
  return PassingFunction("GetIntFromComboBox", [&](TFunScope& Fun) {
    const std::string text = FromQString(control->currentText());
    int32_t value = defaultValue;
    bool outside = false;
    if (!text.empty()) {
      try {
        value = StrToInt32(text);
      } catch (...) {
        Fun.RecordCurrentException();
        outside = true;
      }
    }
    outside = outside || value < minimum || value > maximum;
    if (outside) {
      //: %1, %2 and %3 are whole numbers: the least, the greatest and the default value
      const QString warning =
          QCoreApplication::translate("Utilities",
                                      "Integer value outside limits.\nIt will be set to default.\n"
                                      "    * Minimum = %1\n    * Maximum = %2\n    * Default = %3");
      ShowWarningDialog(FromQString(warning.arg(QString::number(minimum), QString::number(maximum),
                                                QString::number(defaultValue))));
      SetFocusTo(control);
      value = defaultValue;
      control->setCurrentText(QString::number(defaultValue));
    }
    return value;
  });
}

int32_t GetIntFromComboBoxUnbounded(QComboBox* control) {
  return GetIntFromComboBox(control, INT32_MIN, INT32_MAX, 0);
}

bool CopyTextToClipboard(const std::string& text, std::string errorMessage, bool beep,
                         bool append) {
  if (errorMessage.empty()) {
    errorMessage = TranslatableText("TErrorForm", "Failed to copy text to clipboard.");
  }
  return ShowingFunction("CopyTextToClipboard", errorMessage, [&](TFunScope&) {
    if (text.empty()) {
      ShowWarningDialog(FromQString(
          QCoreApplication::translate("Utilities", "There is no text to copy to clipboard.")));
      return false;
    }
    QClipboard* clipboard =
        QGuiApplication::instance() == nullptr ? nullptr : QGuiApplication::clipboard();
    if (clipboard == nullptr) {
      Raise("The clipboard is not available.");
    }
    const QString added = ToQString(text);
    clipboard->setText(append ? clipboard->text() + added : added);
    if (beep) {
      BeepSimple();
    }
    return true;
  });
}

void SetFocusTo(QWidget* control) {
  Os::ClearLastError();
  if (control != nullptr) {
    control->setFocus();
  }
}
