#pragma once
// The board as a screen reader meets it: a table of rows x columns cells,
// one per square of the current board, each named by where it is and what
// it holds ("H8, A, loose"). The keyboard's cursor square is the current
// cell.

#include <QAccessibleWidget>
#include <QHash>
#include <QString>
#include <cstdint>

#include "game/Board.h"

class TBoardPaintBox;

// A square's name in a form a player can say: columns lettered A .. Z, AA ..,
// rows numbered from 1 at the top.
QString SquareName(int32_t column, int32_t row);
// The name of the square with its content: "H8, empty", "H8, A, loose",
// "H8, A, fixed".
QString CellAccessibleName(const TBoardCell& cell, int32_t column, int32_t row);

class TBoardAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  explicit TBoardAccessible(TBoardPaintBox* board);
  ~TBoardAccessible() override;

  // --- QAccessibleInterface -------------------------------------------------
  QAccessible::Role role() const override { return QAccessible::Table; }
  QString text(QAccessible::Text t) const override;
  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QAccessibleInterface* focusChild() const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  // --- QAccessibleTableInterface --------------------------------------------
  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override;
  int selectedCellCount() const override;
  QList<QAccessibleInterface*> selectedCells() const override;
  QString columnDescription(int column) const override;
  QString rowDescription(int row) const override;
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  int columnCount() const override;
  int rowCount() const override;
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  // Cells are kept by square, so a new board size needs nothing here.
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

  TBoardPaintBox* Board() const;

 private:
  void ForgetCells();

  // The cells made so far, by square (column * 30 + row), so that they
  // outlive a change of the board's size.
  mutable QHash<int, QAccessible::Id> Cells;
};
