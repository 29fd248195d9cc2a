#pragma once
// A stock slot's panel: the letter on a raised panel, with a focus frame
// while the slot holds the keyboard focus.

#include <QLabel>

class TStockPanel : public QLabel {
 public:
  explicit TStockPanel(QWidget* parent) : QLabel(parent) {}

 protected:
  // The label, then the focus frame inside its border when focused.
  void paintEvent(QPaintEvent* event) override;
};
