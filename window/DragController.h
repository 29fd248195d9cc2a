#pragma once
// Drag and drop between the window's controls, driven by plain mouse events
// so that it behaves the same offscreen and under a real mouse: a drag
// starts at once on the press, every move asks the control under the
// pointer whether it accepts the drag (the pointer shows the answer), and
// the release drops on that control when it accepted.

#include <QPoint>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

class TDragController {
 public:
  // A control that can take drops: DragOver decides acceptance for a point
  // in the control's own coordinates, DragDrop acts on it.
  struct TTarget {
    QWidget* Control;
    std::function<bool(QWidget* source, QPoint point)> DragOver;
    std::function<void(QWidget* source, QPoint point)> DragDrop;
  };

  // Drop targets are found among the children of root.
  explicit TDragController(QWidget* root) : Root(root) {}
  void AddTarget(TTarget target) { Targets.push_back(std::move(target)); }

  // Starts dragging the control.
  void BeginDrag(QWidget* source);
  bool IsDragging() const { return !Source.isNull(); }
  QWidget* DragSource() const { return Source; }

  // The pointer moved to a point on the screen while the button is held:
  // asks the control under it and shows the answer by the pointer's shape.
  // True when the control there accepts.
  bool DragMove(QPoint globalPoint);
  // The button was released at a point on the screen: drops there when the
  // control accepts, and ends the drag either way.
  void DragRelease(QPoint globalPoint);
  void CancelDrag();

 private:
  // The drop target under the point, with the point in its coordinates.
  const TTarget* TargetAt(QPoint globalPoint, QPoint& local) const;
  void ShowAcceptance(bool accepted);

  QWidget* Root;
  std::vector<TTarget> Targets;
  QPointer<QWidget> Source;
};
