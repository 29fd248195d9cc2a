#include "window/BoardAccessible.h"

#include <QCoreApplication>

#include "Libraries/Text/ui/QtText.h"
#include "game/SpokenText.h"
#include "window/BoardView.h"

namespace {

// One square of the board, found through the table each time it is asked,
// so that it always tells the square's current state.
class TBoardCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
 public:
  TBoardCellAccessible(TBoardAccessible* table, int32_t column, int32_t row)
      : Table(table), Column(column), Row(row) {}

  bool isValid() const override {
    const TBoardPaintBox* board = Table->Board();
    return board != nullptr && Column < board->Columns() && Row < board->Rows();
  }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return Table->window(); }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override { return Table; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }

  QString text(QAccessible::Text t) const override {
    const TBoardPaintBox* board = Table->Board();
    if (t != QAccessible::Name || board == nullptr || board->BoardSquares() == nullptr ||
        !isValid()) {
      return {};
    }
    return CellAccessibleName((*board->BoardSquares())[Column][Row], Column, Row);
  }
  void setText(QAccessible::Text, const QString&) override {}

  QRect rect() const override {
    const TBoardPaintBox* board = Table->Board();
    if (board == nullptr) {
      return {};
    }
    const QRect square = board->CellRect(Column, Row);
    return QRect(board->mapToGlobal(square.topLeft()), square.size());
  }
  QAccessible::Role role() const override { return QAccessible::Cell; }
  QAccessible::State state() const override {
    QAccessible::State state;
    const TBoardPaintBox* board = Table->Board();
    state.focusable = true;
    state.selectable = true;
    const bool current =
        board != nullptr && board->Cursor().Square == TCellPosition{Column, Row};
    // Only the cursor's square shows: a screen reader that reads the whole
    // row when the row changes then says just the square moved to.
    state.invisible = !current;
    if (current) {
      state.active = true;
      state.selected = true;
      state.focused = board->HasKeyboardFocus();
    }
    return state;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::TableCellInterface
               ? static_cast<QAccessibleTableCellInterface*>(this)
               : nullptr;
  }

  bool isSelected() const override { return state().selected; }
  QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return Column; }
  int rowIndex() const override { return Row; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return Table; }

 private:
  TBoardAccessible* Table;
  int32_t Column;
  int32_t Row;
};

}  // namespace

QString SquareName(int32_t column, int32_t row) {
  return ToQString(SquareNameText(column, row));
}

QString CellAccessibleName(const TBoardCell& cell, int32_t column, int32_t row) {
  const QString where = SquareName(column, row);
  if (cell.IsEmpty()) {
    //: Spoken by a screen reader for an empty square; %1 is the square's name, such as H8
    return QCoreApplication::translate("TBoardAccessible", "%1, empty").arg(where);
  }
  const QString letter = ToQString(std::string(1, cell.Letter));
  if (cell.IsLooseLetter()) {
    //: Spoken by a screen reader for a square with a letter not yet put on the board as part of
    //: a word; %1 is the square's name, such as H8, %2 the letter
    return QCoreApplication::translate("TBoardAccessible", "%1, %2, loose").arg(where, letter);
  }
  //: Spoken by a screen reader for a square with a letter of a word already put on the board;
  //: %1 is the square's name, such as H8, %2 the letter
  return QCoreApplication::translate("TBoardAccessible", "%1, %2, fixed").arg(where, letter);
}

TBoardAccessible::TBoardAccessible(TBoardPaintBox* board)
    : QAccessibleWidget(board, QAccessible::Table) {}

TBoardAccessible::~TBoardAccessible() {
  ForgetCells();
}

TBoardPaintBox* TBoardAccessible::Board() const {
  return qobject_cast<TBoardPaintBox*>(widget());
}

QString TBoardAccessible::text(QAccessible::Text t) const {
  const TBoardPaintBox* board = Board();
  if (board == nullptr) {
    return {};
  }
  switch (t) {
    case QAccessible::Name:
      //: Spoken by a screen reader: the board's name
      return board->accessibleName().isEmpty()
                 ? QCoreApplication::translate("TBoardAccessible", "Board")
                 : board->accessibleName();
    case QAccessible::Description:
      return board->StatusText();
    default:
      return QAccessibleWidget::text(t);
  }
}

int TBoardAccessible::columnCount() const {
  const TBoardPaintBox* board = Board();
  return board == nullptr || !board->isVisible() ? 0 : board->Columns();
}

int TBoardAccessible::rowCount() const {
  const TBoardPaintBox* board = Board();
  return board == nullptr || !board->isVisible() ? 0 : board->Rows();
}

int TBoardAccessible::childCount() const {
  return rowCount() * columnCount();
}

QAccessibleInterface* TBoardAccessible::child(int index) const {
  const int columns = columnCount();
  if (index < 0 || index >= childCount() || columns == 0) {
    return nullptr;
  }
  const int32_t column = index % columns;
  const int32_t row = index / columns;
  const int key = column * kMaxBoardSize + row;
  if (const auto found = Cells.constFind(key); found != Cells.constEnd()) {
    return QAccessible::accessibleInterface(*found);
  }
  auto* cell = new TBoardCellAccessible(const_cast<TBoardAccessible*>(this), column, row);
  Cells.insert(key, QAccessible::registerAccessibleInterface(cell));
  return cell;
}

int TBoardAccessible::indexOfChild(const QAccessibleInterface* child) const {
  if (child == nullptr || child->parent() != this) {
    return -1;
  }
  const auto* cell = static_cast<const TBoardCellAccessible*>(child);
  // A cell kept from a larger board is no child of the board shown now.
  if (cell->rowIndex() >= rowCount() || cell->columnIndex() >= columnCount()) {
    return -1;
  }
  return cell->rowIndex() * columnCount() + cell->columnIndex();
}

QAccessibleInterface* TBoardAccessible::cellAt(int row, int column) const {
  if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount()) {
    return nullptr;
  }
  return child(row * columnCount() + column);
}

QAccessibleInterface* TBoardAccessible::childAt(int x, int y) const {
  const TBoardPaintBox* board = Board();
  TCellPosition square;
  if (board == nullptr || !board->CellAtPoint(board->mapFromGlobal(QPoint(x, y)), square)) {
    return nullptr;
  }
  return cellAt(square.Row, square.Column);
}

QAccessibleInterface* TBoardAccessible::focusChild() const {
  const TBoardPaintBox* board = Board();
  if (board == nullptr || !board->HasKeyboardFocus()) {
    return nullptr;
  }
  return cellAt(board->Cursor().Square.Row, board->Cursor().Square.Column);
}

int TBoardAccessible::selectedCellCount() const {
  return selectedCells().size();
}

QList<QAccessibleInterface*> TBoardAccessible::selectedCells() const {
  const TBoardPaintBox* board = Board();
  QAccessibleInterface* current =
      board == nullptr ? nullptr
                       : cellAt(board->Cursor().Square.Row, board->Cursor().Square.Column);
  return current == nullptr ? QList<QAccessibleInterface*>() : QList{current};
}

QString TBoardAccessible::columnDescription(int column) const {
  return SquareName(column, 0).chopped(1);
}

QString TBoardAccessible::rowDescription(int row) const {
  return QString::number(row + 1);
}

void* TBoardAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TableInterface) {
    return static_cast<QAccessibleTableInterface*>(this);
  }
  return QAccessibleWidget::interface_cast(type);
}

void TBoardAccessible::ForgetCells() {
  for (const QAccessible::Id id : std::as_const(Cells)) {
    QAccessible::deleteAccessibleInterface(id);
  }
  Cells.clear();
}
