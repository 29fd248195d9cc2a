#include "window/CellImages.h"

#include <QPainter>
#include <algorithm>

#include "Libraries/Text/ui/QtText.h"

bool TCellLook::operator==(const TCellLook& other) const {
  return Font == other.Font && Empty == other.Empty && Loose == other.Loose &&
         Fixed == other.Fixed && Letter == other.Letter && Outline == other.Outline &&
         Format == other.Format && Line == other.Line && DpiX == other.DpiX && DpiY == other.DpiY;
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
  // The outline as four bands of whole pixels inside the square.
  const int line = std::min({look.Line, square.width() / 2, square.height() / 2});
  if (line > 0) {
    painter.fillRect(square.left(), square.top(), square.width(), line, look.Outline);
    painter.fillRect(square.left(), square.bottom() - line + 1, square.width(), line, look.Outline);
    painter.fillRect(square.left(), square.top(), line, square.height(), look.Outline);
    painter.fillRect(square.right() - line + 1, square.top(), line, square.height(), look.Outline);
  }
}

const QImage& TCellImages::Of(const TBoardCell& cell, const TCellLook& look, QSize size) {
  if (!(look == Current)) {
    Sizes.clear();
    Current = look;
  }
  auto pictures = std::find_if(Sizes.begin(), Sizes.end(),
                               [&](const auto& entry) { return entry.first == size; });
  if (pictures == Sizes.end()) {
    if (Sizes.size() >= kMaxSizes) {
      Sizes.erase(Sizes.begin());
    }
    Sizes.emplace_back(size, TPictures{});
    pictures = std::prev(Sizes.end());
  }
  const int kind = cell.IsEmpty() ? 0 : cell.IsLoose != 0 ? 1 : 2;
  const int letter = cell.IsEmpty() ? 0 : static_cast<unsigned char>(cell.Letter);
  QImage& image = pictures->second[static_cast<size_t>(kind * 256 + letter)];
  if (image.isNull()) {
    image = QImage(size, look.Format);
    // An image counts whole dots per inch, so these give back the same numbers.
    constexpr double kInchesPerMetre = 1 / 0.0254;
    image.setDotsPerMeterX(qRound(look.DpiX * kInchesPerMetre));
    image.setDotsPerMeterY(qRound(look.DpiY * kInchesPerMetre));
    QPainter painter(&image);
    painter.setFont(look.Font);
    DrawCellContent(painter, cell, look, QRect(QPoint(0, 0), size));
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
