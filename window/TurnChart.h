#pragma once
// A small bar chart of a game's turns: for each committed word, its score
// beside the best score the letters on hand allowed at that turn.

#include <QWidget>
#include <vector>

#include "game/GameFigures.h"

class TTurnChart : public QWidget {
 public:
  explicit TTurnChart(QWidget* parent);
  void SetTurns(std::vector<TTurnFigures> turns);

  static QColor ScoreColor();
  static QColor ParColor();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<TTurnFigures> Turns;
};
