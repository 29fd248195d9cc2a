#include "window/HintStyle.h"

#include <QApplication>
#include <QProxyStyle>

namespace {
class THintStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    switch (hint) {
      case SH_ToolTip_WakeUpDelay:
        return kHintPause;
      case SH_ToolTip_FallAsleepDelay:
        return kHintShortPause;
      default:
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
  }
};
}  // namespace

void InstallHintTiming() {
  if (dynamic_cast<THintStyle*>(QApplication::style()) == nullptr) {
    QApplication::setStyle(new THintStyle);
  }
}
