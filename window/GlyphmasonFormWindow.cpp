// The main window's own behaviour: start-up, window modes, keys, the menu
// panel's buttons and closing.

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>

#include "Libraries/AboutDialog/ui/AboutForm.h"
#include "Libraries/Error/FunctionScope.h"
#include "Libraries/OperatingSystem/OperatingSystem.h"
#include "Libraries/Program/HelpSystem.h"
#include "Libraries/Program/ProgramIdentity.h"
#include "Libraries/Program/ProgramPaths.h"
#include "Libraries/Text/Translation.h"
#include "game/ui/ChooseLetterForm.h"
#include "window/BoardView.h"
#include "window/GlyphmasonForm.h"
#include "window/Input.h"
#include "window/ShowWindowRequests.h"
#include "window/WindowMode.h"

namespace {
constexpr int kBoardMargin = 5;
// How often and how many times the frame is looked at after a change of mode.
constexpr int kFrameCheckInterval = 100;
constexpr int kFrameChecks = 20;

}  // namespace

void TGlyphmasonForm::BeforeRun() {
  ShowingFunction("TGlyphmasonForm::BeforeRun",
                  TranslatableText("TErrorForm", "Failed to prepare the main window."),
                  [&](TFunScope& Fun) {
                    if (AboutForm != nullptr) {
                      AboutForm->SetProgram(kProgramName, ProgramVersionText());
                    }
                    Session.Start();
                    if (Fun.CalleeFailed()) {
                      return;
                    }
                    ApplyWindowMode();
                    if (ChooseLetterForm != nullptr) {
                      ChooseLetterForm->CreateLetterPanels();
                    }
                  });
}

QRect TGlyphmasonForm::WorkArea() const {
  if (WorkAreaOverride.isValid()) {
    return WorkAreaOverride;
  }
  const QScreen* screen = WindowScreen();
  return screen == nullptr ? QRect(0, 0, 1024, 768) : screen->availableGeometry();
}

const QScreen* TGlyphmasonForm::WindowScreen() const {
  const QScreen* shown = screen();
  return shown != nullptr ? shown : QGuiApplication::primaryScreen();
}

void TGlyphmasonForm::ApplyWindowMode() {
  const QScopedValueRollback<bool> applying(ApplyingWindowMode, true);
  const QRect area = WorkArea();
  if (FullScreenCheckBox->isChecked()) {
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    // A window manager makes a full-screen window cover the screen; without
    // one, nothing would, so the window takes the screen's bounds itself.
    if (const QScreen* screen = WindowScreen()) {
      setGeometry(screen->geometry());
    }
    setWindowState(Qt::WindowFullScreen);
  } else {
    setWindowState(Qt::WindowNoState);
    // The bounds are the outer frame's; the client area is what is left of
    // it. The frame's size is known only once a window manager has framed
    // the window: moveEvent and resizeEvent apply the mode again then.
    AppliedDecoration = Decoration();
    const TWindowBounds bounds =
        WindowedBounds(area.width(), area.height(),
                       {AppliedDecoration.width(), AppliedDecoration.height()});
    setFixedSize(QSize(bounds.Width, bounds.Height) - AppliedDecoration);
    move(area.left() + bounds.Left, area.top() + bounds.Top);
    // A window manager that takes the window out of full screen frames it
    // again a moment later, without moving or resizing it: no event tells.
    if (isVisible()) {
      WatchFrame();
    }
  }
  LayOutBoard();
}

QSize TGlyphmasonForm::Decoration() const { return frameGeometry().size() - geometry().size(); }

void TGlyphmasonForm::LayOutBoard() {
  BoardGroupBox->resize(width() - BoardGroupBox->x() - kBoardMargin,
                        height() - BoardGroupBox->y() - kBoardMargin);
  BoardPaintBox->resize(BoardGroupBox->width() - 2 * kBoardMargin,
                        BoardGroupBox->height() - BoardPaintBox->y() - kBoardMargin);
  BoardPaintBox->ComputeBoardGeometry();
  BoardPaintBox->update();
}

void TGlyphmasonForm::FollowWindowChange() {
  const bool windowed = !FullScreenCheckBox->isChecked() && !isMinimized();
  if (FrameKnown && !ApplyingWindowMode && windowed && Decoration() != AppliedDecoration) {
    ApplyWindowMode();
  }
}

void TGlyphmasonForm::WatchFrame() {
  FrameChecksLeft = kFrameChecks;
  FrameCheckTimer.start(kFrameCheckInterval);
}

void TGlyphmasonForm::CheckFrame() {
  if (--FrameChecksLeft <= 0) {
    FrameCheckTimer.stop();
  }
  FollowWindowChange();
}

void TGlyphmasonForm::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // Whoever changed the size (this program, a window manager granting or
  // refusing full screen, a new screen), the board fills the window.
  LayOutBoard();
  FollowWindowChange();
}

void TGlyphmasonForm::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  FollowWindowChange();
}

void TGlyphmasonForm::FullScreenCheckBoxClick() { ApplyWindowMode(); }

void TGlyphmasonForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!FrameKnown) {
    FrameKnown = true;
    ApplyWindowMode();
  }
}

void TGlyphmasonForm::WorkButtonClick() {
  WorkMenu->popup(WorkButton->mapToGlobal(QPoint(0, WorkButton->height())));
}

void TGlyphmasonForm::HelpButtonClick() { ShowApplicationHelp(kHelpContext); }

void TGlyphmasonForm::HideButtonClick() {
  Drag.CancelDrag();
  // A Wayland compositor may ignore a request to minimise, and nothing can
  // bring a minimised window back there: the window is unmapped instead,
  // until a second start shows it again.
  if (IsWaylandSession()) {
    hide();
  } else {
    showMinimized();
  }
}

void TGlyphmasonForm::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  const bool focusLost = event->type() == QEvent::ActivationChange && !isActiveWindow();
  const bool minimised = event->type() == QEvent::WindowStateChange && isMinimized();
  if (focusLost || minimised) {
    Drag.CancelDrag();
  }
}

void TGlyphmasonForm::CloseButtonClick() { close(); }

void TGlyphmasonForm::closeEvent(QCloseEvent* event) {
  if (Session.Close()) {
    event->accept();
  } else {
    event->ignore();
  }
}

void TGlyphmasonForm::FormKeyDown(int key, Qt::KeyboardModifiers modifiers,
                                  Qt::MouseButtons buttons) {
  const TShiftState shift = ShiftStateOf(modifiers, buttons);
  switch (key) {
    case Qt::Key_N:
      if (IsOnlyModifier(shift, ssCtrl)) {
        NewGameMenu->trigger();
      }
      break;
    case Qt::Key_Z:
      if (IsOnlyModifier(shift, ssCtrl)) {
        LoadLastGameMenu->trigger();
      }
      break;
    case Qt::Key_S:
      SaveGameMenu->trigger();
      break;
    case Qt::Key_L:
      LoadGameMenu->trigger();
      break;
    case Qt::Key_D:
      LoadDictionaryMenu->trigger();
      break;
    case Qt::Key_H:
      // Alt+H stays the Help button's access key.
      if ((KeyboardShiftState(shift) & (ssCtrl | ssAlt)) == 0) {
        SuggestWordMenu->trigger();
      }
      break;
    case Qt::Key_Space:
      HideButton->click();
      break;
    case Qt::Key_R:
      // Reads the game's state aloud while a game is shown.
      if (KeyboardShiftState(shift) == 0 && BoardPaintBox->isVisible()) {
        Session.SayState(BoardPaintBox->Cursor());
      }
      break;
    case Qt::Key_End:
      if (IsOnlyModifier(shift, ssCtrl)) {
        EndGameMenu->trigger();
      }
      break;
    default:
      break;
  }
}

void TGlyphmasonForm::keyPressEvent(QKeyEvent* event) { QWidget::keyPressEvent(event); }
