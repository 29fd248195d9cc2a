// What a screen reader meets in the windows beside the game's: the records
// read cell by cell, and the summary's chart as text.

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QTableWidget>

#include "persistence/Records.h"
#include "support/ui/WindowFixture.h"
#include "window/GameOverForm.h"
#include "window/RecordsForm.h"
#include "window/TurnChart.h"

namespace {

QAccessibleInterface* Face(QObject* object) {
  return QAccessible::queryAccessibleInterface(object);
}

class ReadableWindows : public TWindowTest {
 protected:
  ReadableWindows() { QApplication::setActiveWindow(Form.get()); }
};

TEST_F(ReadableWindows, TabReachesTheRecordsAndTheirCellsAreReadOneByOne) {
  TRecords records;
  records.Enter("English.gmd 15 x 15", {"Monday", 40, 2, "CATS", 30, 90, 0});
  TRecordsForm shown(nullptr);
  shown.Show(records, "English.gmd 15 x 15");
  QApplication::setActiveWindow(&shown);
  EXPECT_TRUE(shown.RecordsTable->focusPolicy() & Qt::TabFocus);
  shown.TableComboBox->setFocus();
  QWidget* next = shown.TableComboBox->nextInFocusChain();
  while (next->focusPolicy() == Qt::NoFocus || !next->isVisibleTo(&shown)) {
    next = next->nextInFocusChain();
  }
  EXPECT_EQ(next, shown.RecordsTable);

  QAccessibleInterface* table = Face(shown.RecordsTable);
  EXPECT_EQ(table->text(QAccessible::Name), "Records");
  ASSERT_NE(table->tableInterface(), nullptr);
  QAccessibleInterface* score = table->tableInterface()->cellAt(0, 2);
  ASSERT_NE(score, nullptr);
  EXPECT_EQ(score->text(QAccessible::Name), "40");
  EXPECT_EQ(table->tableInterface()->columnDescription(2), "Score");
}

TEST_F(ReadableWindows, TheSummaryChartReadsEveryWordBesideTheBestPossible) {
  TGameOverForm summary(nullptr);
  TSummaryFacts facts;
  facts.Figures.Turns = {{12, 15, 3, "CAT"}, {9, 9, 2, "AX"}};
  summary.Show(facts);
  QAccessibleInterface* chart = Face(summary.Chart);
  EXPECT_EQ(chart->text(QAccessible::Name), summary.ChartLabel->text());
  EXPECT_EQ(chart->text(QAccessible::Description),
            "Word 1, CAT: 12 points, best possible 15\nWord 2, AX: 9 points, best possible 9");
  EXPECT_TRUE(summary.Chart->focusPolicy() & Qt::TabFocus);
  // Enter still closes the window from the chart.
  summary.Chart->setFocus();
  SendKey(summary.Chart, Qt::Key_Return);
  EXPECT_FALSE(summary.isVisible());
}

}  // namespace
