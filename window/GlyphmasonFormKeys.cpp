// Playing from the keyboard: stock digits put letters at the board's
// cursor square, the focused board moves its cursor and takes letters back,
// and Enter presses buttons and commits words.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <string>

#include "Libraries/Text/Translation.h"
#include "Libraries/Text/ui/QtText.h"
#include "game/BoardCursor.h"
#include "game/LetterMoves.h"
#include "game/SpokenText.h"
#include "window/BoardView.h"
#include "window/GlyphmasonForm.h"

namespace {
// Turns the cursor between moving right and moving down.
constexpr int kDirectionKey = Qt::Key_Slash;

int StockSlotOfDigit(int key) {
  return key >= Qt::Key_1 && key < Qt::Key_1 + kStockSlots ? key - Qt::Key_1 : -1;
}

bool IsEnter(int key) {
  return key == Qt::Key_Return || key == Qt::Key_Enter;
}
}  // namespace

bool TGlyphmasonForm::PlayKey(int key, Qt::KeyboardModifiers modifiers) {
  const Qt::KeyboardModifiers held = modifiers & ~Qt::KeypadModifier;
  // The window's own focus: the keys reach this window even where the
  // window system has not made it the active one (no window manager).
  QWidget* focused = focusWidget();
  if (const int slot = StockSlotOfDigit(key); slot >= 0) {
    // A focused combo box keeps its digits for choosing its items.
    if (qobject_cast<QComboBox*>(focused) != nullptr) {
      return false;
    }
    if (held == Qt::NoModifier) {
      PutStockLetterAtCursor(slot);
      return true;
    }
    if (held == Qt::ControlModifier) {
      ChangeStockLetter(slot);
      return true;
    }
    return false;
  }
  if (key == Qt::Key_Backspace && (held == Qt::AltModifier ||
                                   held == (Qt::AltModifier | Qt::ShiftModifier))) {
    // Alt+Backspace undoes, Shift+Alt+Backspace redoes, wherever the focus is.
    QAction* item = held == Qt::AltModifier ? UndoMenu : RedoMenu;
    if (item->isEnabled()) {
      item->trigger();
    } else if (Session.IsGameShown()) {
      Session.RefuseMove();
    }
    return true;
  }
  if (held == Qt::NoModifier && key == Qt::Key_F1) {
    HelpButton->click();
    return true;
  }
  if (held == Qt::NoModifier && key == Qt::Key_F11) {
    FullScreenCheckBox->click();
    return true;
  }
  if (const int slot = StockSlotOf(focused); slot >= 0 && StockKey(slot, key, held)) {
    return true;
  }
  if (focused == BoardPaintBox && BoardPaintBox->isVisible()) {
    return BoardKey(key, held);
  }
  if (auto* button = qobject_cast<QAbstractButton*>(focused);
      button != nullptr && IsEnter(key) && held == Qt::NoModifier && button->isEnabled()) {
    button->click();
    return true;
  }
  return false;
}

bool TGlyphmasonForm::BoardKey(int key, Qt::KeyboardModifiers modifiers) {
  if (IsEnter(key) && (modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier)) {
    // Enter commits the reading the words list knows; Shift+Enter the other.
    const bool flipped = Session.EnterCommitsFlipped(modifiers == Qt::ShiftModifier);
    QPushButton* button = flipped ? PutFlippedWordButton : PutWordButton;
    if (button->isEnabled()) {
      button->click();
    } else {
      Session.RefuseMove();
      Session.SayWhyNoWord(FromQString(WhyNoWordLabel->text()));
    }
    return true;
  }
  if (modifiers != Qt::NoModifier) {
    return false;
  }
  TBoardCursor cursor = BoardPaintBox->Cursor();
  switch (key) {
    case Qt::Key_Left:
      MoveBoardCursor(-1, 0);
      return true;
    case Qt::Key_Right:
      MoveBoardCursor(1, 0);
      return true;
    case Qt::Key_Up:
      MoveBoardCursor(0, -1);
      return true;
    case Qt::Key_Down:
      MoveBoardCursor(0, 1);
      return true;
    case kDirectionKey:
      cursor.TurnDirection();
      BoardPaintBox->SetCursor(cursor);
      Say(SpokenDirection(cursor.Down));
      return true;
    case Qt::Key_Backspace:
      Session.TakeBackBehind(cursor);
      BoardPaintBox->SetCursor(cursor);
      return true;
    case Qt::Key_Delete:
      Session.ReturnLetter(cursor.Square);
      return true;
    default:
      return false;
  }
}

bool TGlyphmasonForm::StockKey(int slot, int key, Qt::KeyboardModifiers modifiers) {
  const bool menuKey = (key == Qt::Key_Menu && modifiers == Qt::NoModifier) ||
                       (key == Qt::Key_F10 && modifiers == Qt::ShiftModifier);
  if (menuKey) {
    ChangeStockLetter(slot);
    return true;
  }
  if (modifiers != Qt::NoModifier) {
    return false;
  }
  switch (key) {
    case Qt::Key_Left:
      FocusStockSlot(std::max(slot - 1, 0));
      return true;
    case Qt::Key_Right:
      FocusStockSlot(std::min(slot + 1, kStockSlots - 1));
      return true;
    case Qt::Key_Home:
      FocusStockSlot(0);
      return true;
    case Qt::Key_End:
      FocusStockSlot(kStockSlots - 1);
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      PutStockLetterAtCursor(slot);
      return true;
    default:
      return false;
  }
}

void TGlyphmasonForm::MoveBoardCursor(int32_t columnStep, int32_t rowStep) {
  TBoardCursor cursor = BoardPaintBox->Cursor();
  cursor.Move(columnStep, rowStep, Game.ColumnsCount, Game.RowsCount);
  BoardPaintBox->SetCursor(cursor);
}

void TGlyphmasonForm::PutStockLetterAtCursor(int slot) {
  TBoardCursor cursor = BoardPaintBox->Cursor();
  if (!BoardPaintBox->isVisible()) {
    Session.RefuseMove();
    return;
  }
  if (!Session.PutStockLetter(slot, cursor.Square)) {
    return;
  }
  cursor.Advance(Game.Board, Game.ColumnsCount, Game.RowsCount);
  BoardPaintBox->setFocus(Qt::OtherFocusReason);
  BoardPaintBox->SetCursor(cursor);
}

void TGlyphmasonForm::ChangeStockLetter(int slot) { Session.ChangeLetter(slot); }

QString TGlyphmasonForm::StockSlotAccessibleName(int slot) const {
  const char letter = Game.StockLetter(slot);
  if (letter == 0) {
    //: Spoken by a screen reader for an empty stock slot; %1 is the slot's number, 1 to 7
    return tr("%1: empty").arg(slot + 1);
  }
  const int32_t index = Game.LetterIndex(letter);
  const int32_t score = index < 0 ? 0 : Game.Letters.LetterScores[index];
  // Through the core's Translated for the plural: "1 point", "5 points".
  //: Spoken by a screen reader for a stock slot; %1 is the slot's number, 1 to 7, %2 its letter
  const std::string pattern = Translated("TGlyphmasonForm", "%1: %2, %n point(s)", nullptr, score);
  return ToQString(FilledIn(pattern, {std::to_string(slot + 1), std::string(1, letter)}));
}

void TGlyphmasonForm::ShowWhyNoWord() {
  if (WhyNoWordLabel == nullptr) {
    return;
  }
  const QString reason =
      PutWordButton->isEnabled() ? QString() : ToQString(Session.WhyNoWord());
  if (reason != WhyNoWordLabel->text()) {
    ShowLabelText(*WhyNoWordLabel, reason);
  }
  WhyNoWordLabel->setVisible(!reason.isEmpty());
  AcceptWordTipLabel->setVisible(reason.isEmpty());
  PutWordButton->setAccessibleDescription(reason);
  PutFlippedWordButton->setAccessibleDescription(reason);
  UpdateBoardStatus();
}

void TGlyphmasonForm::UpdateBoardStatus() {
  QStringList parts;
  for (const QLabel* label : {ValidWordLabel, ScoreLabel, LetterChangesLabel, WhyNoWordLabel}) {
    if (label != nullptr && !label->text().isEmpty()) {
      parts << label->text();
    }
  }
  BoardPaintBox->SetStatusText(parts.join(". "));
}
