// Painting the board: squares copied from finished pictures against squares
// drawn in place, and changed squares painted together.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPalette>

#include "window/BoardView.h"

namespace {

// Every kind of square, several letters, a cursor on a fixed letter.
void FillBoard(TBoard& board) {
  for (int column = 0; column < kMaxBoardSize; ++column) {
    for (int row = 0; row < kMaxBoardSize; ++row) {
      const int kind = (column * 7 + row * 3) % 4;
      board[column][row] = {
          kind == 0 ? char{0} : static_cast<char>("AWQ\xC4\xDF"[(column + row) % 5]),
          kind == 1 ? uint8_t{1} : uint8_t{0}};
    }
  }
}

QImage Render(TBoardPaintBox& view, bool pictures, QImage::Format format) {
  view.SetCellImagesUsed(pictures);
  QImage image(view.size(), format);
  image.fill(Qt::magenta);
  view.render(&image);
  return image;
}

TEST(BoardPaint, SquaresCopiedFromPicturesLookExactlyAsSquaresDrawnInPlace) {
  TBoard board{};
  FillBoard(board);
  TBoardPaintBox view;
  view.SetLetterFontName("DejaVu Sans");
  struct TCase {
    int Width, Height, Columns, Rows;
  };
  for (const TCase& c :
       {TCase{620, 660, 30, 30}, TCase{415, 480, 10, 10}, TCase{415, 480, 15, 12}}) {
    view.resize(c.Width, c.Height);
    view.SetBoard(&board, c.Columns, c.Rows);
    view.SetCursor({{3, 2}, true});
    for (const QImage::Format format :
         {QImage::Format_ARGB32_Premultiplied, QImage::Format_RGB32}) {
      EXPECT_EQ(Render(view, true, format), Render(view, false, format))
          << c.Columns << " x " << c.Rows << ", format " << format;
    }
  }
  // Other colours and another font make new pictures.
  QPalette colours = view.palette();
  colours.setColor(QPalette::Highlight, Qt::darkGreen);
  colours.setColor(QPalette::HighlightedText, Qt::yellow);
  view.setPalette(colours);
  view.SetLetterFontName("DejaVu Serif");
  const QImage pictures = Render(view, true, QImage::Format_ARGB32_Premultiplied);
  EXPECT_EQ(pictures, Render(view, false, QImage::Format_ARGB32_Premultiplied));
  EXPECT_EQ(pictures.pixel(2, 2 * view.CellHeight() + 2), QColor(Qt::darkGreen).rgb());
}

class TCountingPaintBox : public TBoardPaintBox {
 public:
  int Paints = 0;

 protected:
  void paintEvent(QPaintEvent* event) override {
    ++Paints;
    TBoardPaintBox::paintEvent(event);
  }
};

TEST(BoardPaint, SquaresChangedTogetherArePaintedInOnePass) {
  TBoard board{};
  FillBoard(board);
  TCountingPaintBox view;
  view.resize(620, 660);
  view.SetBoard(&board, kMaxBoardSize, kMaxBoardSize);
  view.show();
  QApplication::processEvents();
  view.Paints = 0;
  for (int column = 0; column < 14; ++column) {
    view.PaintCell(column, 4);
  }
  EXPECT_EQ(view.Paints, 0);
  QApplication::processEvents();
  EXPECT_EQ(view.Paints, 1);
}

}  // namespace

namespace {

// The runs of the outline's colour along one line of pixels, and whether
// only the outline and the squares' fills lie between them.
struct TLineScan {
  int OutlineRuns = 0;
  int FillChangesBetweenRuns = 0;
};

TLineScan ScanLine(const QImage& image, QPoint from, QPoint step, int count, QRgb outline) {
  TLineScan scan;
  bool inOutline = false;
  QRgb fill = 0;
  bool fillKnown = false;
  for (int i = 0; i < count; ++i) {
    const QRgb pixel = image.pixel(from + step * i);
    if (pixel == outline) {
      scan.OutlineRuns += inOutline ? 0 : 1;
      inOutline = true;
      fillKnown = false;
      continue;
    }
    inOutline = false;
    if (fillKnown && pixel != fill) {
      ++scan.FillChangesBetweenRuns;
    }
    fill = pixel;
    fillKnown = true;
  }
  return scan;
}

}  // namespace

TEST(BoardPaint, AtEveryScaleEachGridLineIsOneLineAndNoFillBleeds) {
  TBoard board{};
  // Fixed and loose letters in a chequered pattern, so that neighbours
  // differ; a narrow letter leaves the squares' edges to their fills.
  for (int column = 0; column < kMaxBoardSize; ++column) {
    for (int row = 0; row < kMaxBoardSize; ++row) {
      board[column][row] = {'I', static_cast<uint8_t>((column + row) % 2)};
    }
  }
  TBoardPaintBox view;
  view.SetLetterFontName("DejaVu Sans");
  view.resize(415, 480);
  view.SetBoard(&board, 15, 15);
  view.SetCursor({{14, 14}, false});
  const QRgb outline = view.palette().color(QPalette::ButtonText).rgb();
  for (const qreal ratio : {1.0, 1.25, 1.5, 1.75, 2.0}) {
    for (const bool pictures : {true, false}) {
      view.SetCellImagesUsed(pictures);
      QImage image(view.size() * ratio, QImage::Format_RGB32);
      image.setDevicePixelRatio(ratio);
      image.fill(Qt::magenta);
      view.render(&image);
      const int boardWidth = qRound(15 * view.CellWidth() * ratio);
      const int boardHeight = qRound(15 * view.CellHeight() * ratio);
      const int line = ratio >= 2 ? 2 : 1;
      // Just inside the first row's and the first column's outline, above
      // and beside the letters.
      const TLineScan across = ScanLine(image, {0, line + 1}, {1, 0}, boardWidth, outline);
      const TLineScan down = ScanLine(image, {line + 1, 0}, {0, 1}, boardHeight, outline);
      EXPECT_EQ(across.OutlineRuns, 16) << "scale " << ratio << ", pictures " << pictures;
      EXPECT_EQ(down.OutlineRuns, 16) << "scale " << ratio << ", pictures " << pictures;
      EXPECT_EQ(across.FillChangesBetweenRuns, 0) << "scale " << ratio;
      EXPECT_EQ(down.FillChangesBetweenRuns, 0) << "scale " << ratio;
    }
  }
}
