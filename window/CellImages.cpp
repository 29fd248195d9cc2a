#include "window/CellImages.h"

#include <QPainter>

#include "Libraries/Text/ui/QtText.h"

bool TCellLook::operator==(const TCellLook& other) const {
  return Size == other.Size && Font == other.Font && Empty == other.Empty && Loose == other.Loose &&
         Fixed == other.Fixed && Letter == other.Letter && Outline == other.Outline &&
         Format == other.Format && PixelRatio == other.PixelRatio && DpiX == other.DpiX &&
         DpiY == other.DpiY;
}

void DrawCellContent(QPainter& painter, const TBoardCell& cell, const TCellLook& look,
                     const QRect& square) {
  const QColor& fill = cell.IsEmpty() ? look.Empty : cell.IsLoose != 0 ? look.Loose : look.Fixed;
  painter.fillRect(square, fill);
  if (!cell.IsEmpty()) {
    painter.setPen(look.Letter);
    painter.setClipRect(square);
    painter.drawText(square, Qt::AlignCenter, ToQString(std::string(1, cell.Letter)));
    painter.setClipping(false);
  }
  painter.setPen(look.Outline);
  const int right = square.left() + square.width() - 1;
  const int bottom = square.top() + square.height() - 1;
  const QPoint outline[] = {{square.left(), square.top()},
                            {right, square.top()},
                            {right, bottom},
                            {square.left(), bottom},
                            {square.left(), square.top()}};
  painter.drawPolyline(outline, 5);
}

const QImage& TCellImages::Of(const TBoardCell& cell, const TCellLook& look) {
  if (!(look == Current)) {
    Images.fill(QImage());
    Current = look;
  }
  const int kind = cell.IsEmpty() ? 0 : cell.IsLoose != 0 ? 1 : 2;
  const int letter = cell.IsEmpty() ? 0 : static_cast<unsigned char>(cell.Letter);
  QImage& image = Images[static_cast<size_t>(kind * 256 + letter)];
  if (image.isNull()) {
    image = QImage(look.Size * look.PixelRatio, look.Format);
    image.setDevicePixelRatio(look.PixelRatio);
    // An image counts whole dots per inch, so these give back the same numbers.
    constexpr double kInchesPerMetre = 1 / 0.0254;
    image.setDotsPerMeterX(qRound(look.DpiX * kInchesPerMetre));
    image.setDotsPerMeterY(qRound(look.DpiY * kInchesPerMetre));
    QPainter painter(&image);
    painter.setFont(look.Font);
    DrawCellContent(painter, cell, look, QRect(QPoint(0, 0), look.Size));
    painter.end();
    // Every pixel is opaque, so the picture loses nothing without its alpha
    // and is then copied instead of blended.
    if (image.format() == QImage::Format_ARGB32_Premultiplied ||
        image.format() == QImage::Format_ARGB32) {
      image = image.convertToFormat(QImage::Format_RGB32);
    }
  }
  return image;
}
