#include "window/StockPanel.h"

#include <QPainter>
#include <QPen>

namespace {
// The frame lies inside the raised border, clear of the letter.
constexpr int kFocusFrameInset = 3;
constexpr int kFocusFrameWidth = 2;
}  // namespace

void TStockPanel::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!hasFocus()) {
    return;
  }
  QPainter painter(this);
  QPen pen(palette().color(QPalette::Highlight), kFocusFrameWidth, Qt::DotLine);
  painter.setPen(pen);
  painter.drawRect(rect().adjusted(kFocusFrameInset, kFocusFrameInset, -kFocusFrameInset - 1,
                                   -kFocusFrameInset - 1));
}
