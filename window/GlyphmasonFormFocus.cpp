// Where the keyboard focus goes: the stock as one Tab stop after the board,
// and the board taking the focus back after commands, commits and the
// program's other windows, so a keyboard player never has to look for it.

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include "window/BoardView.h"
#include "window/GlyphmasonForm.h"

void TGlyphmasonForm::ConnectKeyboardFocus() {
  // Tab order is set between focusable widgets only: every slot takes Tab
  // while the order is set, then all but one are taken out of it again.
  QWidget* previous = BoardPaintBox;
  for (QLabel* panel : StockLetterPanels) {
    panel->setFocusPolicy(Qt::TabFocus);
    QWidget::setTabOrder(previous, panel);
    previous = panel;
  }
  for (int slot = 0; slot < kStockSlots; ++slot) {
    StockLetterPanels[slot]->setFocusPolicy(slot == StockFocusSlot ? Qt::TabFocus : Qt::NoFocus);
  }
  // Connected after the commands themselves, so these run once a command
  // and any box it showed are done. A disabled commit button would hand the
  // focus on to "Allow unknown words", where Enter ticks the box.
  for (QAction* action : WorkMenu->actions()) {
    connect(action, &QAction::triggered, this, [this] { FocusBoard(false); });
  }
  for (QPushButton* button : {PutWordButton, PutFlippedWordButton}) {
    connect(button, &QPushButton::clicked, this, [this] { FocusBoard(false); });
  }
}

void TGlyphmasonForm::FocusStockSlot(int slot) {
  if (slot < 0 || slot >= kStockSlots) {
    return;
  }
  StockFocusSlot = slot;
  StockLetterPanels[slot]->setFocusPolicy(Qt::TabFocus);
  StockLetterPanels[slot]->setFocus(Qt::OtherFocusReason);
  for (int other = 0; other < kStockSlots; ++other) {
    if (other != slot) {
      StockLetterPanels[other]->setFocusPolicy(Qt::NoFocus);
    }
  }
}

bool TGlyphmasonForm::IsOtherWindowOfOurs(const QWidget* widget) const {
  if (widget == nullptr || widget == this || !widget->isWindow()) {
    return false;
  }
  const Qt::WindowType type = widget->windowType();
  return type == Qt::Window || type == Qt::Dialog;
}

void TGlyphmasonForm::FocusBoard(bool activate, const QWidget* closing) {
  if (!BoardPaintBox->isVisible() || isMinimized()) {
    return;
  }
  if (activate) {
    bool otherOpen = false;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
      otherOpen = otherOpen ||
                  (window != closing && window->isVisible() && IsOtherWindowOfOurs(window));
    }
    if (!otherOpen) {
      activateWindow();
    }
  }
  BoardPaintBox->setFocus(Qt::OtherFocusReason);
}
