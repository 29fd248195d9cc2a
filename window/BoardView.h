#pragma once
// The board's paint area: draws the squares one by one and maps mouse
// positions to squares. Empty squares are filled in the button face colour,
// fixed letters in the highlight colour and loose letters in the button
// shadow colour; every square has a one-pixel outline, so neighbours are
// divided by two pixels.

#include <QWidget>

#include "game/Board.h"

class TBoardPaintBox : public QWidget {
  Q_OBJECT

 public:
  explicit TBoardPaintBox(QWidget* parent = nullptr);

  // The squares to show and the current board's size.
  void SetBoard(const TBoard* board, int32_t columns, int32_t rows);
  // Square size from the paint area's size and the board's counts; the
  // letters' font is half a square high.
  void ComputeBoardGeometry();
  void SetLetterFontName(const QString& name);

  int32_t CellWidth() const { return Width; }
  int32_t CellHeight() const { return Height; }
  int32_t FontPointSize() const { return PointSize; }
  // The square under a point of the paint area; false for a point outside
  // the current board (the unpainted strip, or outside the area).
  bool CellAtPoint(QPoint point, TCellPosition& cell) const;
  // Repaints one square at once.
  void PaintCell(int32_t column, int32_t row);
  QRect CellRect(int32_t column, int32_t row) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void DrawCell(class QPainter& painter, int32_t column, int32_t row) const;

  const TBoard* Board = nullptr;
  int32_t Columns = kDefaultBoardSize;
  int32_t Rows = kDefaultBoardSize;
  int32_t Width = 1;
  int32_t Height = 1;
  int32_t PointSize = 1;
};
