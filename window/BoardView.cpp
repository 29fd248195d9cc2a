#include "window/BoardView.h"

#include <QPaintEvent>
#include <QPainter>

#include "Libraries/MyDialogs/ui/FormParts.h"
#include "Libraries/Text/ui/QtText.h"
#include "dictionary/Dictionary.h"

TBoardPaintBox::TBoardPaintBox(QWidget* parent) : QWidget(parent) {
  setObjectName("BoardPaintBox");
  setMouseTracking(true);
  setFont(LetterFont(kDefaultFontName, font()));
}

void TBoardPaintBox::SetBoard(const TBoard* board, int32_t columns, int32_t rows) {
  Board = board;
  Columns = columns;
  Rows = rows;
  ComputeBoardGeometry();
}

void TBoardPaintBox::ComputeBoardGeometry() {
  Width = std::max(1, width() / std::max(1, Columns));
  Height = std::max(1, height() / std::max(1, Rows));
  PointSize = std::max(1, Height / 2);
  QFont letters = font();
  letters.setPointSize(PointSize);
  setFont(letters);
}

void TBoardPaintBox::SetLetterFontName(const QString& name) {
  setFont(LetterFont(name, font()));
}

bool TBoardPaintBox::CellAtPoint(QPoint point, TCellPosition& cell) const {
  if (point.x() < 0 || point.y() < 0) {
    return false;
  }
  const int32_t column = point.x() / Width;
  const int32_t row = point.y() / Height;
  if (column >= Columns || row >= Rows || !IsInBoardArray(column, row)) {
    return false;
  }
  cell = {column, row};
  return true;
}

QRect TBoardPaintBox::CellRect(int32_t column, int32_t row) const {
  return QRect(column * Width, row * Height, Width, Height);
}

void TBoardPaintBox::PaintCell(int32_t column, int32_t row) { repaint(CellRect(column, row)); }

void TBoardPaintBox::paintEvent(QPaintEvent* event) {
  if (Board == nullptr) {
    return;
  }
  QPainter painter(this);
  const QRect dirty = event->rect();
  for (int32_t row = 0; row < Rows; ++row) {
    for (int32_t column = 0; column < Columns; ++column) {
      if (dirty.intersects(CellRect(column, row))) {
        DrawCell(painter, column, row);
      }
    }
  }
}

void TBoardPaintBox::DrawCell(QPainter& painter, int32_t column, int32_t row) const {
  const TBoardCell& cell = (*Board)[column][row];
  const QRect square = CellRect(column, row);
  const QPalette& colours = palette();
  const QColor fill = cell.IsEmpty()         ? colours.color(QPalette::Button)
                      : cell.IsLoose != 0    ? colours.color(QPalette::Dark)
                                             : colours.color(QPalette::Highlight);
  painter.fillRect(square, fill);
  if (!cell.IsEmpty()) {
    painter.setPen(colours.color(QPalette::HighlightedText));
    painter.setClipRect(square);
    painter.drawText(square, Qt::AlignCenter, ToQString(std::string(1, cell.Letter)));
    painter.setClipping(false);
  }
  painter.setPen(colours.color(QPalette::ButtonText));
  const int right = square.left() + Width - 1;
  const int bottom = square.top() + Height - 1;
  const QPoint outline[] = {{square.left(), square.top()}, {right, square.top()},
                            {right, bottom}, {square.left(), bottom}, {square.left(), square.top()}};
  painter.drawPolyline(outline, 5);
}
