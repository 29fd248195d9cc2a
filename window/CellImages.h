#pragma once
// Finished pictures of board squares: one per letter and kind of square
// (empty, fixed, loose) at the current square size, font and colours, so
// that painting the board copies images instead of laying out text and
// drawing outlines square by square. A picture is drawn the first time it is
// needed, with the very painter calls that would draw the square in place,
// into an image of the target's own format: copying it gives the same pixels.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QSize>
#include <array>
#include <cstdint>

#include "game/Board.h"

// What a square is drawn with; a picture drawn with other values is stale.
struct TCellLook {
  QSize Size;
  QFont Font;
  QColor Empty, Loose, Fixed, Letter, Outline;
  QImage::Format Format = QImage::Format_ARGB32_Premultiplied;
  qreal PixelRatio = 1;
  // The dots per inch the font's points are turned into pixels with.
  int DpiX = 96;
  int DpiY = 96;
  bool operator==(const TCellLook& other) const;
};

// Draws one square (fill, letter clipped to the square, outline) into the
// square's rectangle.
void DrawCellContent(class QPainter& painter, const TBoardCell& cell, const TCellLook& look,
                     const QRect& square);

class TCellImages {
 public:
  // The picture of the square as it looks now; drops every picture first
  // when the look changed.
  const QImage& Of(const TBoardCell& cell, const TCellLook& look);

 private:
  static constexpr int kKinds = 3;
  TCellLook Current;
  std::array<QImage, 256 * kKinds> Images;
};
