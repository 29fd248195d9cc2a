#include "window/GameOverForm.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

#include "Libraries/MyDialogs/ui/FormParts.h"
#include "Libraries/Text/ui/QtText.h"
#include "window/TurnChart.h"

TGameOverForm::TGameOverForm(QWidget* parent) : QDialog(parent, kFixedDialogFlags) {
  //: Title of the window that sums up an ended game
  SetUpFixedForm(*this, "GameOverForm", QCoreApplication::translate("TGameOverForm", "Game over"),
                 {500, 390});
  SetProgramFont(*this);
  SummaryLabel = MakeLabel(this, "SummaryLabel", "", {10, 10, 480, 170});
  SummaryLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // The records line of a game kept out for several reasons is longer than
  // the window is wide, in English too: it goes on in the next line.
  SummaryLabel->setWordWrap(true);
  //: One line, 480 px wide, above the chart of the words' scores; dark and light are the bars'
  //: colours
  const QString chart = QCoreApplication::translate(
      "TGameOverForm", "Each word's score (dark) beside the best possible then (light)");
  ChartLabel = MakeLabel(this, "ChartLabel", chart, {10, 185, 480, 16});
  Chart = new TTurnChart(this);
  Chart->setGeometry(10, 205, 480, 140);
  // A screen reader reaches the chart by Tab and reads its words as text.
  Chart->setFocusPolicy(Qt::TabFocus);
  Chart->setAccessibleName(ChartLabel->text());
  //: Button caption, 75 px wide
  OkayButton = MakeButton(this, "OkayButton", QCoreApplication::translate("TGameOverForm", "Okay"),
                          {212, 355, 75, 25});
  OkayButton->setDefault(true);
  connect(OkayButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TGameOverForm::Show(const TSummaryFacts& facts) {
  Lines = GameSummaryLines(facts);
  std::string text;
  for (const std::string& line : Lines) {
    text += (text.empty() ? "" : "\n") + line;
  }
  SummaryLabel->setText(ToQString(text));
  Chart->SetTurns(facts.Figures.Turns);
  QStringList chartText;
  for (const std::string& line : TurnChartLines(facts.Figures.Turns)) {
    chartText << ToQString(line);
  }
  Chart->setAccessibleDescription(chartText.join('\n'));
  show();
  raise();
  activateWindow();
  OkayButton->setFocus();
}
