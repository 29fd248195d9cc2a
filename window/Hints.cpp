#include "window/Hints.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QStyle>
#include <QToolTip>

namespace {
// Where the hint stands below the pointer, as tooltips do.
constexpr QPoint kHintOffset(2, 16);

// The control under the pointer that has a hint: the widget there, disabled
// ones included, or the nearest parent with a hint.
QWidget* HintedControlAt(QWidget* receiver, QPoint global) {
  QWidget* window = receiver->window();
  QWidget* control = window->childAt(window->mapFromGlobal(global));
  for (; control != nullptr && control != window; control = control->parentWidget()) {
    if (!control->toolTip().isEmpty()) {
      return control;
    }
  }
  return nullptr;
}
}  // namespace

THints::THints(QWidget* window) : HintedWindow(window) {
  Clock.start();
  ShowTimer.setSingleShot(true);
  HideTimer.setSingleShot(true);
  connect(&ShowTimer, &QTimer::timeout, this, [this] { ShowHint(); });
  connect(&HideTimer, &QTimer::timeout, this, [this] { Cancel(); });
  Window = new QLabel(nullptr, Qt::ToolTip | Qt::BypassGraphicsProxyWidget);
  Window->setObjectName("HintWindow");
  Window->setForegroundRole(QPalette::ToolTipText);
  Window->setBackgroundRole(QPalette::ToolTipBase);
  Window->setPalette(QToolTip::palette());
  Window->setFont(QToolTip::font());
  Window->setFrameStyle(QFrame::Box | QFrame::Plain);
  Window->setMargin(1 + Window->style()->pixelMetric(QStyle::PM_ToolTipLabelFrameWidth));
  qApp->installEventFilter(this);
}

THints::~THints() {
  qApp->removeEventFilter(this);
  delete Window;
}

bool THints::eventFilter(QObject* watched, QEvent* event) {
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr || widget == Window) {
    return false;
  }
  // Moves without a button reach only filters of the whole application, so
  // this filter sees every window's events and keeps to those of its own.
  const bool ours = HintedWindow != nullptr && widget->window() == HintedWindow;
  switch (event->type()) {
    case QEvent::ToolTip:
      // The window's hints are shown here, on the program's own schedule.
      return ours && !widget->toolTip().isEmpty();
    case QEvent::MouseMove: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      if (ours && mouse->buttons() == Qt::NoButton) {
        PointerMoved(widget, mouse->globalPosition().toPoint());
      }
      return false;
    }
    case QEvent::Leave:
      if (ours && widget->isWindow()) {
        PointerLeft();
      }
      return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::Wheel:
    case QEvent::WindowDeactivate:
    case QEvent::Hide:
      if (widget->isWindow() || event->type() != QEvent::Hide) {
        Cancel();
      }
      return false;
    default:
      return false;
  }
}

void THints::PointerMoved(QWidget* receiver, QPoint global) {
  Pointer = global;
  PointerOver(HintedControlAt(receiver, global));
}

void THints::PointerLeft() { PointerOver(nullptr); }

void THints::PointerOver(QWidget* control) {
  const THintSchedule::TStep step = Schedule.PointerMoved(control, Clock.elapsed());
  if (step.HideShown) {
    HideHint();
  }
  Control = control;
  if (step.ShowAfter >= 0) {
    ShowTimer.start(step.ShowAfter);
  } else if (control == nullptr) {
    ShowTimer.stop();
  }
}

void THints::Cancel() {
  Schedule.Cancelled();
  ShowTimer.stop();
  HideHint();
}

void THints::ShowHint() {
  if (Control == nullptr || !Control->isVisible()) {
    return;
  }
  Schedule.Shown();
  Window->setText(Control->toolTip());
  Window->adjustSize();
  QPoint at = Pointer + kHintOffset;
  if (const QScreen* screen = Control->screen()) {
    const QRect area = screen->availableGeometry();
    at.setX(std::max(area.left(), std::min(at.x(), area.right() + 1 - Window->width())));
    if (at.y() + Window->height() > area.bottom() + 1) {
      at.setY(Pointer.y() - Window->height() - 4);  // above the pointer near the bottom
    }
  }
  Window->move(at);
  Window->show();
  Window->raise();
  const int duration = Control->toolTipDuration();
  HideTimer.start(duration > 0 ? duration : kHintHidePause);
}

void THints::HideHint() {
  HideTimer.stop();
  Window->hide();
}
