#pragma once
// The hints of the controls, shown by the program itself on the schedule of
// THintSchedule: the toolkit's own tooltips would come too late when the
// pointer moves on to the next control and linger over the old one.

#include <QElapsedTimer>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTimer>

#include "window/HintSchedule.h"

class QLabel;
class QWidget;

class THints : public QObject {
 public:
  // Takes over the hints of the window's controls while it lives; other
  // windows keep the toolkit's own tooltips.
  explicit THints(QWidget* window);
  ~THints() override;

  // The hint window; hidden while no hint is up.
  QLabel* HintWindow() const { return Window; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void PointerMoved(QWidget* receiver, QPoint global);
  // The pointer left the window: no control is under it any more.
  void PointerLeft();
  // The schedule's step for the hinted control now under the pointer.
  void PointerOver(QWidget* control);
  void Cancel();
  void ShowHint();
  void HideHint();

  QPointer<QWidget> HintedWindow;
  THintSchedule Schedule;
  QElapsedTimer Clock;
  QTimer ShowTimer;
  QTimer HideTimer;
  QPointer<QWidget> Control;  // the hinted control under the pointer
  QPoint Pointer;
  QLabel* Window = nullptr;
};
