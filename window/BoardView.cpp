#include "window/BoardView.h"

#include <QAccessible>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>

#include "Libraries/MyDialogs/ui/FormParts.h"
#include "Libraries/Text/ui/QtText.h"
#include "Libraries/Utilities/ui/DevicePixels.h"
#include "lexicon/LetterData.h"

TBoardPaintBox::TBoardPaintBox(QWidget* parent) : QWidget(parent) {
  setObjectName("BoardPaintBox");
  setMouseTracking(true);
  // In the Tab order after the last control of the word group box, and
  // focused by a click.
  setFocusPolicy(Qt::StrongFocus);
  setFont(LetterFont(kDefaultFontName, font()));
}

void TBoardPaintBox::SetBoard(const TBoard* board, int32_t columns, int32_t rows) {
  Board = board;
  ColumnCount = columns;
  RowCount = rows;
  KeyCursor.KeepInside(columns, rows);
  ComputeBoardGeometry();
  NotifyWholeBoardChanged();
}

void TBoardPaintBox::NotifyWholeBoardChanged() {
#if QT_CONFIG(accessibility)
  QAccessibleTableModelChangeEvent reset(this, QAccessibleTableModelChangeEvent::ModelReset);
  QAccessible::updateAccessibility(&reset);
#endif
}

void TBoardPaintBox::ComputeBoardGeometry() {
  Width = std::max(1, width() / std::max(1, ColumnCount));
  Height = std::max(1, height() / std::max(1, RowCount));
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
  if (column >= ColumnCount || row >= RowCount || !IsInBoardArray(column, row)) {
    return false;
  }
  cell = {column, row};
  return true;
}

QRect TBoardPaintBox::CellRect(int32_t column, int32_t row) const {
  return QRect(column * Width, row * Height, Width, Height);
}

void TBoardPaintBox::PaintCell(int32_t column, int32_t row) {
  update(CellRect(column, row));
}

QRect TBoardPaintBox::DeviceCellRect(int32_t column, int32_t row,
                                     const TDevicePixels& pixels) const {
  return QRect(
      QPoint(pixels.EdgeX(column * Width), pixels.EdgeY(row * Height)),
      QPoint(pixels.EdgeX((column + 1) * Width) - 1, pixels.EdgeY((row + 1) * Height) - 1));
}

void TBoardPaintBox::paintEvent(QPaintEvent* event) {
  if (Board == nullptr) {
    return;
  }
  QPainter painter(this);
  // In the target's own pixels: at a scale of 1.5 or 1.25 every edge then
  // falls on a whole pixel, so each line is one line and no fill shows
  // through it. At a scale of 1 nothing moves.
  const TDevicePixels pixels(painter);
  // A square a pixel wider on the device than its share still repaints.
  const QRect dirty = event->rect().adjusted(-1, -1, 1, 1);
  const TCellLook look = CurrentLook(painter, pixels);
  for (int32_t row = 0; row < RowCount; ++row) {
    for (int32_t column = 0; column < ColumnCount; ++column) {
      if (dirty.intersects(CellRect(column, row))) {
        DrawCell(painter, column, row, look, pixels);
      }
    }
  }
  DrawCursor(painter, look, pixels);
}

void TBoardPaintBox::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  NotifyCursor();
}

void TBoardPaintBox::SetCursor(const TBoardCursor& cursor) {
  const TCellPosition old = KeyCursor.Square;
  KeyCursor = cursor;
  KeyCursor.KeepInside(ColumnCount, RowCount);
  if (isVisible()) {
    update(CellRect(old.Column, old.Row));
    update(CellRect(KeyCursor.Square.Column, KeyCursor.Square.Row));
  }
  NotifyCursor();
}

void TBoardPaintBox::NotifyCursor() {
#if QT_CONFIG(accessibility)
  if (!QAccessible::isActive() || !HasKeyboardFocus()) {
    return;
  }
  QAccessibleInterface* board = QAccessible::queryAccessibleInterface(this);
  const int index = KeyCursor.Square.Row * ColumnCount + KeyCursor.Square.Column;
  if (board != nullptr && index < board->childCount()) {
    QAccessibleEvent focus(board->child(index), QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
  }
#endif
}

void TBoardPaintBox::NotifyCellChanged(int32_t column, int32_t row) {
#if QT_CONFIG(accessibility)
  if (!QAccessible::isActive() || column >= ColumnCount || row >= RowCount) {
    return;
  }
  QAccessibleInterface* board = QAccessible::queryAccessibleInterface(this);
  const int index = row * ColumnCount + column;
  if (board != nullptr && index < board->childCount()) {
    QAccessibleEvent changed(board->child(index), QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
  }
  if (KeyCursor.Square == TCellPosition{column, row}) {
    NotifyCursor();
  }
#endif
}

void TBoardPaintBox::SetStatusText(const QString& text) {
  if (text == Status) {
    return;
  }
  Status = text;
#if QT_CONFIG(accessibility)
  QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
  QAccessible::updateAccessibility(&changed);
#endif
}

// A band two lines wide in the highlight colour just inside the square's
// outline; on a fixed letter, whose fill is the highlight colour itself, a
// line in the highlight's text colour inside the band sets it off. The
// middle of the square stays as it is, so the letter and the fill colour
// still show. The arrow at the side the cursor moves on to is drawn the same
// way. Drawn in the target's own pixels, a line being look.Line of them.
void TBoardPaintBox::DrawCursor(QPainter& painter, const TCellLook& look,
                                const TDevicePixels& pixels) const {
  const TCellPosition at = KeyCursor.Square;
  if (at.Column >= ColumnCount || at.Row >= RowCount || Board == nullptr) {
    return;
  }
  const QRect cell = DeviceCellRect(at.Column, at.Row, pixels);
  const int line = look.Line;
  // The ring of lines `inset` lines inside the square's outer edge.
  const auto ring = [&](int inset, const QColor& colour) {
    const QRect r = cell.adjusted(inset * line, inset * line, -inset * line, -inset * line);
    if (r.width() > 2 * line && r.height() > 2 * line) {
      painter.fillRect(r.left(), r.top(), r.width(), line, colour);
      painter.fillRect(r.left(), r.bottom() - line + 1, r.width(), line, colour);
      painter.fillRect(r.left(), r.top(), line, r.height(), colour);
      painter.fillRect(r.right() - line + 1, r.top(), line, r.height(), colour);
    }
  };
  const QPalette& colours = palette();
  painter.save();
  painter.setClipRect(cell);
  ring(1, colours.color(QPalette::Highlight));
  ring(2, colours.color(QPalette::Highlight));
  if ((*Board)[at.Column][at.Row].IsFixedLetter()) {
    ring(3, colours.color(QPalette::HighlightedText));
  }
  // The square inside its outline, as the outline's own pixels end.
  const QRect square = cell.adjusted(0, 0, -line, -line);
  const int band = 3 * line;
  const int size = std::max(3 * line, std::min(cell.width(), cell.height()) / 5);
  QPainterPath arrow;
  if (KeyCursor.Down) {
    const int x = square.center().x();
    const int y = square.bottom() - band;
    arrow.moveTo(x - size, y - size);
    arrow.lineTo(x + size, y - size);
    arrow.lineTo(x, y);
  } else {
    const int x = square.right() - band;
    const int y = square.center().y();
    arrow.moveTo(x - size, y - size);
    arrow.lineTo(x - size, y + size);
    arrow.lineTo(x, y);
  }
  arrow.closeSubpath();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setPen(QPen(colours.color(QPalette::HighlightedText), line));
  painter.setBrush(colours.color(QPalette::Highlight));
  painter.drawPath(arrow);
  painter.restore();
}

TCellLook TBoardPaintBox::CurrentLook(const QPainter& painter, const TDevicePixels& pixels) const {
  const QPalette& colours = palette();
  TCellLook look;
  // The letters keep their size on the screen: their points grow with the
  // scale, since the board is drawn in the target's pixels.
  look.Font = painter.font();
  if (pixels.Ratio() != 1) {
    look.Font.setPointSizeF(look.Font.pointSizeF() * pixels.Ratio());
  }
  look.Empty = colours.color(QPalette::Button);
  look.Loose = colours.color(QPalette::Dark);
  look.Fixed = colours.color(QPalette::Highlight);
  look.Letter = colours.color(QPalette::HighlightedText);
  look.Outline = colours.color(QPalette::ButtonText);
  look.Line = pixels.LineWidth();
  look.DpiX = logicalDpiX();
  look.DpiY = logicalDpiY();
  // The pictures take the format of what is painted on (the window's
  // backing store, or the image a widget is rendered into).
  if (const QPaintEngine* engine = painter.paintEngine()) {
    if (const QPaintDevice* target = engine->paintDevice()) {
      if (target->devType() == QInternal::Image) {
        look.Format = static_cast<const QImage*>(target)->format();
      }
    }
  }
  return look;
}

void TBoardPaintBox::DrawCell(QPainter& painter, int32_t column, int32_t row, const TCellLook& look,
                              const TDevicePixels& pixels) {
  const TBoardCell& cell = (*Board)[column][row];
  const QRect square = DeviceCellRect(column, row, pixels);
  if (CellImagesUsed) {
    painter.drawImage(square.topLeft(), CellImages.Of(cell, look, square.size()));
    return;
  }
  DrawCellContent(painter, cell, look, square);
}
