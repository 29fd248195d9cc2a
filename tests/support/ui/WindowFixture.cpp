#include "support/ui/WindowFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QWindow>
#include <filesystem>

#include "support/SmallDictionary.h"
#include "window/BoardView.h"

TWindowTest::TWindowTest() {
  WriteDictionary();
  ChooseLetter = std::make_unique<TChooseLetterForm>();
  About = std::make_unique<TAboutForm>();
  Form = std::make_unique<TGlyphmasonForm>();
  Form->SetWorkAreaForTesting(QRect(0, 0, 1024, 738));
  Form->BeforeRun();
  Form->show();
}

TWindowTest::~TWindowTest() {
  Form->Game.GameModified = false;  // no save question when the window goes
  Form.reset();
  ChooseLetter.reset();
  About.reset();
}

void TWindowTest::WriteDictionary(const std::string& words) {
  WriteSmallDictionary(Program, words);
}

void TWindowTest::StartGame(const std::string& stock) {
  PressKey(Qt::Key_N, Qt::ControlModifier);
  for (int slot = 0; slot < kStockSlots; ++slot) {
    Form->Game.SetStockLetter(slot, slot < static_cast<int>(stock.size()) ? stock[slot] : 0);
  }
}

void TWindowTest::NewGameOfSize(int columns, int rows) {
  Form->ColumnsCountComboBox->setCurrentText(QString::number(columns));
  Form->RowsCountComboBox->setCurrentText(QString::number(rows));
  PressKey(Qt::Key_N, Qt::ControlModifier);
}

std::string TWindowTest::Stock() const {
  std::string letters;
  for (int slot = 0; slot < kStockSlots; ++slot) {
    const char letter = Form->Game.StockLetter(slot);
    letters += letter == 0 ? '.' : letter;
  }
  return letters;
}

QPoint TWindowTest::CellCentre(int column, int row) const {
  const QRect cell = Form->BoardPaintBox->CellRect(column, row);
  return Form->BoardPaintBox->mapToGlobal(cell.center());
}

QPoint TWindowTest::StockCentre(int slot) const {
  QLabel* panel = Form->StockLetterPanels[slot];
  return panel->mapToGlobal(panel->rect().center());
}

void TWindowTest::Press(QWidget* control, QPoint point, Qt::MouseButton button) {
  QMouseEvent press(QEvent::MouseButtonPress, point, control->mapToGlobal(point), button, button,
                    Qt::NoModifier);
  QApplication::sendEvent(control, &press);
}

void TWindowTest::PressCell(int column, int row, Qt::MouseButton button) {
  Press(Form->BoardPaintBox, Form->BoardPaintBox->CellRect(column, row).center(), button);
}

void TWindowTest::PressStock(int slot, Qt::MouseButton button) {
  Press(Form->StockLetterPanels[slot], Form->StockLetterPanels[slot]->rect().center(), button);
}

void TWindowTest::MoveAndRelease(QWidget* control, QPoint globalPoint) {
  // While the button is held, the pressed control receives the moves.
  const QPoint local = control->mapFromGlobal(globalPoint);
  QMouseEvent move(QEvent::MouseMove, local, globalPoint, Qt::NoButton, Qt::LeftButton,
                   Qt::NoModifier);
  QApplication::sendEvent(control, &move);
  QMouseEvent release(QEvent::MouseButtonRelease, local, globalPoint, Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(control, &release);
}

void TWindowTest::DragStockToCell(int slot, int column, int row) {
  PressStock(slot, Qt::LeftButton);
  MoveAndRelease(Form->StockLetterPanels[slot], CellCentre(column, row));
}

void TWindowTest::DragCellToCell(int fromColumn, int fromRow, int toColumn, int toRow) {
  PressCell(fromColumn, fromRow, Qt::LeftButton);
  MoveAndRelease(Form->BoardPaintBox, CellCentre(toColumn, toRow));
}

void TWindowTest::DragCellToStock(int column, int row, int slot) {
  PressCell(column, row, Qt::LeftButton);
  MoveAndRelease(Form->BoardPaintBox, StockCentre(slot));
}

void TWindowTest::DragStockToStock(int from, int to) {
  PressStock(from, Qt::LeftButton);
  MoveAndRelease(Form->StockLetterPanels[from], StockCentre(to));
}

void TWindowTest::PressKey(int key, Qt::KeyboardModifiers modifiers) {
  // As the window system does it: the press goes to the window, which hands
  // it on to the focused control.
  QWindow* window = Form->windowHandle();
  QKeyEvent press(QEvent::KeyPress, key, modifiers);
  QApplication::sendEvent(window, &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers);
  QApplication::sendEvent(window, &release);
}

void TWindowTest::SendKey(QObject* control, int key, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(control, &press);
}
