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
