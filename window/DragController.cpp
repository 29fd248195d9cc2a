#include "window/DragController.h"

#include <QApplication>
#include <QCursor>

void TDragController::BeginDrag(QWidget* source) {
  Source = source;
  ShowAcceptance(false);
}

const TDragController::TTarget* TDragController::TargetAt(QPoint globalPoint,
                                                          QPoint& local) const {
  QWidget* under = Root->childAt(Root->mapFromGlobal(globalPoint));
  for (; under != nullptr; under = under->parentWidget()) {
    for (const TTarget& target : Targets) {
      if (target.Control == under && under->isVisible()) {
        local = under->mapFromGlobal(globalPoint);
        return &target;
      }
    }
  }
  return nullptr;
}

bool TDragController::DragMove(QPoint globalPoint) {
  if (!IsDragging()) {
    return false;
  }
  QPoint local;
  const TTarget* target = TargetAt(globalPoint, local);
  const bool accepted = target != nullptr && target->DragOver(Source, local);
  ShowAcceptance(accepted);
  return accepted;
}

void TDragController::DragRelease(QPoint globalPoint) {
  if (!IsDragging()) {
    return;
  }
  QPoint local;
  const TTarget* target = TargetAt(globalPoint, local);
  QWidget* source = Source;
  CancelDrag();
  if (target != nullptr && target->DragOver(source, local)) {
    target->DragDrop(source, local);
  }
}

void TDragController::CancelDrag() {
  Source = nullptr;
  while (QApplication::overrideCursor() != nullptr) {
    QApplication::restoreOverrideCursor();
  }
}

void TDragController::ShowAcceptance(bool accepted) {
  const QCursor shape(accepted ? Qt::DragMoveCursor : Qt::ForbiddenCursor);
  if (QApplication::overrideCursor() == nullptr) {
    QApplication::setOverrideCursor(shape);
  } else {
    QApplication::changeOverrideCursor(shape);
  }
}
