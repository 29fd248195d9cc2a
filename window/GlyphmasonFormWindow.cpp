// The main window's own behaviour: start-up, window modes, keys, the menu
// panel's buttons and closing.

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <filesystem>

#include "Libraries/AboutDialog/ui/AboutForm.h"
#include "Libraries/Error/FunctionScope.h"
#include "Libraries/OperatingSystem/OperatingSystem.h"
#include "Libraries/Program/HelpSystem.h"
#include "Libraries/Program/ProgramIdentity.h"
#include "Libraries/Program/ProgramPaths.h"
#include "game/ui/ChooseLetterForm.h"
#include "window/BoardView.h"
#include "window/GlyphmasonForm.h"
#include "window/Input.h"
#include "window/WindowMode.h"

namespace {
constexpr int kBoardMargin = 5;

void CreateFolder(const std::string& path) {
  Os::ClearLastError();
  std::error_code ignored;  // an existing folder is fine
  std::filesystem::create_directory(path, ignored);
}
}  // namespace

void TGlyphmasonForm::BeforeRun() {
  ShowingFunction("TGlyphmasonForm::BeforeRun", "Failed to prepare the main window.",
                  [&](TFunScope& Fun) {
                    if (AboutForm != nullptr) {
                      AboutForm->SetProgram(kProgramName, kProgramVersion);
                    }
                    CreateFolder(DictionariesDirectory());
                    CreateFolder(GamesDirectory());
                    OptionsList.FileName = GetProgramDirFile("Glyphmason.ini");
                    OptionsList.OnLoad = [this](TStoredTextList& list) { ReadOptions(list); };
                    OptionsList.OnSave = [this](TStoredTextList& list) { WriteOptions(list); };
                    if (!OptionsList.Load() && Fun.CalleeFailed()) {
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
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen == nullptr ? QRect(0, 0, 1024, 768) : screen->availableGeometry();
}

void TGlyphmasonForm::ApplyWindowMode() {
  const QRect area = WorkArea();
  QSize client;
  if (FullScreenCheckBox->isChecked()) {
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const QScreen* screen = QGuiApplication::primaryScreen();
    client = screen == nullptr ? area.size() : screen->geometry().size();
    setWindowState(Qt::WindowFullScreen);
  } else {
    const TWindowBounds bounds = WindowedBounds(area.width(), area.height());
    setWindowState(Qt::WindowNoState);
    // The bounds are the outer frame's; the client area is what is left of it.
    const QSize decoration = frameGeometry().size() - geometry().size();
    client = QSize(bounds.Width, bounds.Height) - decoration;
    setFixedSize(client);
    move(area.left() + bounds.Left, area.top() + bounds.Top);
  }
  BoardGroupBox->resize(client.width() - BoardGroupBox->x() - kBoardMargin,
                        client.height() - BoardGroupBox->y() - kBoardMargin);
  BoardPaintBox->resize(BoardGroupBox->width() - 2 * kBoardMargin,
                        BoardGroupBox->height() - BoardPaintBox->y() - kBoardMargin);
  BoardPaintBox->ComputeBoardGeometry();
  BoardPaintBox->update();
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

void TGlyphmasonForm::HideButtonClick() { showMinimized(); }

void TGlyphmasonForm::CloseButtonClick() { close(); }

bool TGlyphmasonForm::FormCloseQuery() {
  if (!CheckSave()) {
    return false;
  }
  OptionsList.Save(false);
  return true;
}

void TGlyphmasonForm::closeEvent(QCloseEvent* event) {
  if (FormCloseQuery()) {
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
    default:
      break;
  }
}

void TGlyphmasonForm::keyPressEvent(QKeyEvent* event) { QWidget::keyPressEvent(event); }
