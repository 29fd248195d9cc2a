// The main window's mouse and key events: letter moves between the stock
// panels and the board, the commit buttons, and the key commands, which the
// window sees before the focused control.

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QWindow>

#include "Libraries/Text/ui/QtText.h"
#include "game/LetterMoves.h"
#include "game/MyRandom.h"
#include "window/BoardView.h"
#include "window/GlyphmasonForm.h"

int TGlyphmasonForm::StockSlotOf(const QWidget* control) const {
  for (int slot = 0; slot < kStockSlots; ++slot) {
    if (StockLetterPanels[slot] == control) {
      return slot;
    }
  }
  return -1;
}

TDragSource TGlyphmasonForm::DragSourceOf(const QWidget* control) const {
  if (control == BoardPaintBox) {
    return {true, -1};
  }
  return {false, StockSlotOf(control)};
}

void TGlyphmasonForm::ConnectDragTargets() {
  for (QLabel* panel : StockLetterPanels) {
    Drag.AddTarget({panel,
                    [this, panel](QWidget* source, QPoint) {
                      return StockAcceptsDrop(Game, DragSourceOf(source), StockSlotOf(panel));
                    },
                    [this, panel](QWidget* source, QPoint) {
                      Session.DropOnStock(DragSourceOf(source), StockSlotOf(panel));
                      SetStockCursor(StockSlotOf(panel));
                    }});
  }
  Drag.AddTarget({BoardPaintBox,
                  [this](QWidget* source, QPoint point) {
                    TCellPosition square;
                    return BoardPaintBox->CellAtPoint(point, square) &&
                           BoardAcceptsDrop(Game, DragSourceOf(source), square);
                  },
                  [this](QWidget* source, QPoint point) {
                    TCellPosition square;
                    if (BoardPaintBox->CellAtPoint(point, square)) {
                      Session.DropOnBoard(DragSourceOf(source), square);
                      SetBoardCursor(point);
                    }
                  }});
}

void TGlyphmasonForm::SetStockCursor(int slot) {
  if (slot >= 0) {
    StockLetterPanels[slot]->setCursor(Game.StockLetter(slot) != 0 ? Qt::PointingHandCursor
                                                                   : Qt::ArrowCursor);
  }
}

void TGlyphmasonForm::SetBoardCursor(QPoint point) {
  TCellPosition square;
  const bool loose = BoardPaintBox->CellAtPoint(point, square) &&
                     Game.Board[square.Column][square.Row].IsLooseLetter();
  BoardPaintBox->setCursor(loose ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TGlyphmasonForm::StockLetterPanelMouseDown(int slot, Qt::MouseButton button) {
  if (button == Qt::LeftButton) {
    if (Session.BeginStockDrag(slot)) {
      Drag.BeginDrag(StockLetterPanels[slot]);
    }
  } else if (button == Qt::RightButton && CanReplaceStockLetter(Game, slot)) {
    Session.ChangeLetter(slot);
  }
}

void TGlyphmasonForm::StockLetterPanelMouseMove(int slot) {
  Game.ShowLetterScore(Game.StockLetter(slot));
  SetStockCursor(slot);
}

void TGlyphmasonForm::BoardPaintBoxMouseDown(QPoint point, Qt::MouseButton button) {
  TCellPosition square;
  const bool onBoard = BoardPaintBox->CellAtPoint(point, square);
  if (onBoard) {
    // The keyboard goes on from the square clicked.
    TBoardCursor cursor = BoardPaintBox->Cursor();
    cursor.Square = square;
    BoardPaintBox->setFocus(Qt::MouseFocusReason);
    BoardPaintBox->SetCursor(cursor);
  }
  if (button == Qt::LeftButton) {
    if (onBoard && Session.BeginBoardDrag(square)) {
      Drag.BeginDrag(BoardPaintBox);
    } else {
      Game.DragOrigin = {-1, -1};
    }
  } else if (button == Qt::RightButton && onBoard) {
    Session.TakeBack(square);
  }
}

void TGlyphmasonForm::BoardPaintBoxMouseMove(QPoint point) {
  TCellPosition square;
  Game.ShowLetterScore(BoardPaintBox->CellAtPoint(point, square)
                           ? Game.Board[square.Column][square.Row].Letter
                           : 0);
  SetBoardCursor(point);
  RandomSource().NoteMousePosition(point.x(), point.y());
}

void TGlyphmasonForm::BoardGroupBoxMouseMove(QPoint point) {
  RandomSource().NoteMousePosition(point.x(), point.y());
}

void TGlyphmasonForm::PutWordButtonClick() { Session.PutWord(false); }

void TGlyphmasonForm::PutFlippedWordButtonClick() { Session.PutWord(true); }

void TGlyphmasonForm::NewStockLettersButtonClick() { Session.NewStockLetters(); }

namespace {
QPoint GlobalPosition(const QMouseEvent* event) { return event->globalPosition().toPoint(); }
}  // namespace

bool TGlyphmasonForm::eventFilter(QObject* watched, QEvent* event) {
  // Key preview: every key pressed in this window reaches the key commands
  // once, before the focused control gets it. The window system hands each
  // press to the window once, and the window passes it on to the focused
  // control and its parents: only that first delivery counts.
  if (event->type() == QEvent::KeyPress) {
    if (watched != windowHandle()) {
      return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    FormKeyDown(key->key(), key->modifiers(), QApplication::mouseButtons());
    // Space hides the program and does nothing else: passed on, it would
    // also press the focused button or tick the focused check box.
    const bool used = PlayKey(key->key(), key->modifiers());
    return key->key() == Qt::Key_Space || used;
  }
  if (event->type() == QEvent::Hide) {
    // Any window or box of the program closing gives the board the focus;
    // a window the window system hides (minimised with this one) does not.
    if (auto* closing = qobject_cast<QWidget*>(watched);
        !event->spontaneous() && IsOtherWindowOfOurs(closing)) {
      FocusBoard(true, closing);
    }
    return false;
  }
  auto* control = qobject_cast<QWidget*>(watched);
  const int slot = StockSlotOf(control);
  const bool isBoard = control == BoardPaintBox;
  if (control == nullptr || (slot < 0 && !isBoard && control != BoardGroupBox)) {
    return false;
  }
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      if (slot >= 0) {
        StockLetterPanelMouseDown(slot, mouse->button());
      } else if (isBoard) {
        BoardPaintBoxMouseDown(mouse->position().toPoint(), mouse->button());
      }
      return slot >= 0 || isBoard;
    }
    case QEvent::MouseMove: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      if (Drag.IsDragging() && !(mouse->buttons() & Qt::LeftButton)) {
        // The button went up where this window could not see it.
        Drag.CancelDrag();
      }
      if (Drag.IsDragging()) {
        Drag.DragMove(GlobalPosition(mouse));
      } else if (slot >= 0) {
        StockLetterPanelMouseMove(slot);
      } else if (isBoard) {
        BoardPaintBoxMouseMove(mouse->position().toPoint());
      } else {
        BoardGroupBoxMouseMove(mouse->position().toPoint());
      }
      return false;
    }
    case QEvent::MouseButtonRelease:
      if (Drag.IsDragging()) {
        Drag.DragRelease(GlobalPosition(static_cast<QMouseEvent*>(event)));
        return true;
      }
      return false;
    default:
      return false;
  }
}
