#pragma once
// The board's paint area: draws the squares one by one and maps mouse
// positions to squares. Empty squares are filled in the button face colour,
// fixed letters in the highlight colour and loose letters in the button
// shadow colour; every square has a one-pixel outline, so neighbours are
// divided by two pixels. On a scaled screen the squares are drawn in the
// screen's own pixels, their edges on whole pixels (squares may then differ
// by one pixel), the outline as many pixels wide as one point takes. The keyboard's cursor square
// is framed in the highlight colour, with a small arrow for the direction it moves on in.

#include <QWidget>

#include "Libraries/Utilities/ui/DevicePixels.h"
#include "game/Board.h"
#include "game/BoardCursor.h"
#include "window/CellImages.h"

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
  // Marks one square for the next paint; squares changed together are
  // painted together.
  void PaintCell(int32_t column, int32_t row);
  // Squares are copied from finished pictures (the default) or drawn one
  // by one; both give the same pixels.
  void SetCellImagesUsed(bool used) { CellImagesUsed = used; }
  QRect CellRect(int32_t column, int32_t row) const;

  const TBoard* BoardSquares() const { return Board; }
  int32_t Columns() const { return ColumnCount; }
  int32_t Rows() const { return RowCount; }

  // The keyboard's cursor: repaints the squares it leaves and enters and
  // tells a screen reader the new current square.
  const TBoardCursor& Cursor() const { return KeyCursor; }
  // Whether keys typed into this window reach the board: its window's focus
  // is here, whether or not a window manager has made the window active.
  bool HasKeyboardFocus() const { return window()->focusWidget() == this; }
  void SetCursor(const TBoardCursor& cursor);
  // Tells a screen reader that every square may have changed (a game was
  // set up or loaded).
  void NotifyWholeBoardChanged();
  // Tells a screen reader that a square's content changed.
  void NotifyCellChanged(int32_t column, int32_t row);
  // What a screen reader gives as the board's description: the game's
  // labels, so that their changes are heard while the board has the focus.
  QString StatusText() const { return Status; }
  void SetStatusText(const QString& text);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  // The square in the target's own pixels.
  QRect DeviceCellRect(int32_t column, int32_t row, const TDevicePixels& pixels) const;
  void DrawCell(class QPainter& painter, int32_t column, int32_t row, const TCellLook& look,
                const TDevicePixels& pixels);
  // How squares look now on the painter's target.
  TCellLook CurrentLook(const class QPainter& painter, const TDevicePixels& pixels) const;
  void DrawCursor(class QPainter& painter, const TCellLook& look,
                  const TDevicePixels& pixels) const;
  // Sends the accessibility focus event for the cursor's square.
  void NotifyCursor();

  const TBoard* Board = nullptr;
  int32_t ColumnCount = kDefaultBoardSize;
  int32_t RowCount = kDefaultBoardSize;
  TBoardCursor KeyCursor;
  QString Status;
  int32_t Width = 1;
  int32_t Height = 1;
  int32_t PointSize = 1;
  TCellImages CellImages;
  bool CellImagesUsed = true;
};
