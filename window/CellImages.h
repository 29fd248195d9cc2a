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
#include <utility>
#include <vector>

#include "game/Board.h"

// What a square is drawn with; a picture drawn with other values is stale.
// Sizes are in the target's own pixels: the board is drawn pixel by pixel at
// any scale, so that every line falls on whole pixels.
struct TCellLook {
  QFont Font;
  QColor Empty, Loose, Fixed, Letter, Outline;
  QImage::Format Format = QImage::Format_ARGB32_Premultiplied;
  // The width of the square's outline: one pixel, or as many whole pixels
  // as one of the window's points takes.
  int Line = 1;
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
  // The picture of the square of that size as it looks now; drops every
  // picture first when the look changed. Squares of a scaled board differ
  // by a pixel at most, so a few sizes are kept side by side.
  const QImage& Of(const TBoardCell& cell, const TCellLook& look, QSize size);

 private:
  static constexpr int kKinds = 3;
  static constexpr size_t kMaxSizes = 4;
  using TPictures = std::array<QImage, 256 * kKinds>;
  TCellLook Current;
  std::vector<std::pair<QSize, TPictures>> Sizes;
};
