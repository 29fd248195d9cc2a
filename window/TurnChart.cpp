#include "window/TurnChart.h"

#include <QCoreApplication>
#include <QPainter>
#include <algorithm>

namespace {
constexpr int kMargin = 4;
// Room below the bars for the turn numbers.
constexpr int kLabelHeight = 14;
// A turn's slot is never wider than this, so that a short game still reads
// as a chart.
constexpr double kWidestSlot = 36;
}  // namespace

TTurnChart::TTurnChart(QWidget* parent) : QWidget(parent) {
  setObjectName("TurnChart");
}

void TTurnChart::SetTurns(std::vector<TTurnFigures> turns) {
  Turns = std::move(turns);
  update();
}

QColor TTurnChart::ScoreColor() {
  return QColor(30, 80, 160);
}
QColor TTurnChart::ParColor() {
  return QColor(190, 200, 215);
}

void TTurnChart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().base());
  // The border shows the keyboard focus, which the chart takes for screen readers.
  painter.setPen(hasFocus() ? palette().highlight().color() : palette().mid().color());
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  const int count = static_cast<int>(Turns.size());
  const int barsHeight = height() - 2 * kMargin - kLabelHeight;
  const int baseline = kMargin + barsHeight;
  if (count == 0 || barsHeight <= 0) {
    painter.setPen(palette().text().color());
    //: Centred in the chart of the words' scores, 480 px wide, when the game had no word
    painter.drawText(rect(), Qt::AlignCenter,
                     QCoreApplication::translate("TTurnChart", "No word was committed."));
    return;
  }
  int32_t highest = 1;
  for (const TTurnFigures& turn : Turns) {
    highest = std::max({highest, turn.Score, turn.Par});
  }
  // Each turn gets a slot: the par bar with the score bar in front of its
  // right part, so both stay visible even when slots are a few pixels wide.
  const double slot = std::min(kWidestSlot, static_cast<double>(width() - 2 * kMargin) / count);
  const auto barHeight = [&](int32_t value) {
    return static_cast<int>(static_cast<double>(value) * barsHeight / highest + 0.5);
  };
  painter.setPen(Qt::NoPen);
  for (int i = 0; i < count; ++i) {
    const int left = kMargin + static_cast<int>(i * slot);
    const int full = std::max(1, static_cast<int>(slot * 0.8));
    const int half = std::max(1, full / 2);
    const int par = barHeight(Turns[i].Par);
    const int score = barHeight(Turns[i].Score);
    painter.fillRect(left, baseline - par, full, par, ParColor());
    painter.fillRect(left + full - half, baseline - score, half, score, ScoreColor());
  }
  painter.setPen(palette().text().color());
  painter.drawLine(kMargin, baseline, width() - kMargin, baseline);
  QFont small = font();
  small.setPixelSize(10);
  painter.setFont(small);
  // Turn numbers where they fit: every turn, or every fifth.
  const int every = slot >= 16 ? 1 : slot >= 4 ? 5 : 10;
  for (int i = 0; i < count; i += every) {
    const int left = kMargin + static_cast<int>(i * slot);
    painter.drawText(QRect(left - 8, baseline + 1, static_cast<int>(slot) + 16, kLabelHeight),
                     Qt::AlignHCenter | Qt::AlignTop, QString::number(i + 1));
  }
  painter.drawText(QRect(kMargin + 2, kMargin, width() - 2 * kMargin - 4, kLabelHeight),
                   Qt::AlignRight | Qt::AlignTop, QString::number(highest));
}
