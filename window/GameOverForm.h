#pragma once
// The "Game over" window: the final score, the game's figures, its accuracy
// and place in the records, and a chart of every word beside the best the
// letters allowed at its turn.

#include <QDialog>
#include <string>
#include <vector>

#include "persistence/GameSummary.h"

class QLabel;
class QPushButton;
class TTurnChart;

class TGameOverForm : public QDialog {
 public:
  explicit TGameOverForm(QWidget* parent);
  void Show(const TSummaryFacts& facts);
  // The summary's lines as shown.
  std::vector<std::string> Lines;

  QLabel* SummaryLabel = nullptr;
  QLabel* ChartLabel = nullptr;
  TTurnChart* Chart = nullptr;
  QPushButton* OkayButton = nullptr;
};
