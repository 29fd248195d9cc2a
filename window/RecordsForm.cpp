#include "window/RecordsForm.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "Libraries/MyDialogs/ui/FormParts.h"
#include "Libraries/Text/ui/QtText.h"

namespace {

// The columns' titles, in the player's language when the window is made.
constexpr const char* kColumns[] = {
    QT_TRANSLATE_NOOP("TRecordsForm", "Place"),
    QT_TRANSLATE_NOOP("TRecordsForm", "Date and time"),
    QT_TRANSLATE_NOOP("TRecordsForm", "Score"),
    QT_TRANSLATE_NOOP("TRecordsForm", "Words"),
    QT_TRANSLATE_NOOP("TRecordsForm", "Best word"),
    QT_TRANSLATE_NOOP("TRecordsForm", "Accuracy"),
    QT_TRANSLATE_NOOP("TRecordsForm", "Suggestions"),
};

QStringList ColumnTitles() {
  QStringList titles;
  for (const char* column : kColumns) {
    titles << QCoreApplication::translate("TRecordsForm", column);
  }
  return titles;
}

QTableWidgetItem* Cell(const QString& text, bool newest, Qt::Alignment alignment) {
  auto* item = new QTableWidgetItem(text);
  item->setTextAlignment(alignment | Qt::AlignVCenter);
  item->setFlags(Qt::ItemIsEnabled);
  if (newest) {
    QFont bold = item->font();
    bold.setBold(true);
    item->setFont(bold);
  }
  return item;
}

}  // namespace

TRecordsForm::TRecordsForm(QWidget* parent) : QDialog(parent, kFixedDialogFlags) {
  //: Title of the window of the best games
  const QString title = QCoreApplication::translate("TRecordsForm", "Records");
  SetUpFixedForm(*this, "RecordsForm", title, {680, 335});
  SetProgramFont(*this);
  //: Label left of the list of record tables, 150 px wide
  const QString table = QCoreApplication::translate("TRecordsForm", "Dictionary and board size");
  TableLabel = MakeLabel(this, "TableLabel", table, {10, 13, 150, 16});
  TableComboBox = new QComboBox(this);
  TableComboBox->setObjectName("TableComboBox");
  TableComboBox->setGeometry(165, 10, 260, 22);
  const QStringList columns = ColumnTitles();
  RecordsTable = new QTableWidget(static_cast<int>(kMaxRecords), columns.size(), this);
  RecordsTable->setObjectName("RecordsTable");
  RecordsTable->setGeometry(10, 40, 660, 252);
  RecordsTable->setHorizontalHeaderLabels(columns);
  RecordsTable->verticalHeader()->hide();
  RecordsTable->verticalHeader()->setDefaultSectionSize(22);
  RecordsTable->setSelectionMode(QAbstractItemView::NoSelection);
  // Tab reaches the table and the arrows read it cell by cell; a click
  // leaves the focus where it is.
  RecordsTable->setFocusPolicy(Qt::TabFocus);
  //: Spoken by a screen reader: the table of the best games
  RecordsTable->setAccessibleName(QCoreApplication::translate("TRecordsForm", "Records"));
  //: One line, 300 px wide, below the table; "*" is the mark beside the newest record's place
  const QString newest =
      QCoreApplication::translate("TRecordsForm", "Bold, with *: the newest record");
  NewestLabel = MakeLabel(this, "NewestLabel", newest, {10, 305, 300, 16});
  //: Button caption, 75 px wide
  OkayButton = MakeButton(this, "OkayButton", QCoreApplication::translate("TRecordsForm", "Okay"),
                          {595, 300, 75, 25});
  OkayButton->setDefault(true);
  connect(OkayButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(TableComboBox, &QComboBox::currentTextChanged, this,
          [this](const QString& name) { ShowTable(FromQString(name)); });
}

void TRecordsForm::Show(const TRecords& records, const std::string& table) {
  Records = records;
  const QSignalBlocker quiet(TableComboBox);
  TableComboBox->clear();
  TableComboBox->addItem(ToQString(table));
  for (const auto& [name, kept] : Records.Tables) {
    if (name != table) {
      TableComboBox->addItem(ToQString(name));
    }
  }
  TableComboBox->setCurrentIndex(0);
  ShowTable(table);
  show();
  raise();
  activateWindow();
  OkayButton->setFocus();
}

void TRecordsForm::ShowTable(const std::string& table) {
  RecordsTable->clearContents();
  const TRecordTable* shown = Records.Find(table);
  const size_t count = shown == nullptr ? 0 : shown->Records.size();
  for (size_t row = 0; row < count; ++row) {
    const TRecord& record = shown->Records[row];
    const bool newest = static_cast<int32_t>(row) + 1 == shown->Newest;
    const int r = static_cast<int>(row);
    const Qt::Alignment right = Qt::AlignRight, left = Qt::AlignLeft;
    RecordsTable->setItem(r, 0, Cell(QString::number(r + 1) + (newest ? " *" : ""), newest, left));
    RecordsTable->setItem(r, 1, Cell(ToQString(record.DateTime), newest, left));
    RecordsTable->setItem(r, 2, Cell(QString::number(record.Score), newest, right));
    RecordsTable->setItem(r, 3, Cell(QString::number(record.Words), newest, right));
    RecordsTable->setItem(
        r, 4,
        Cell(ToQString(record.BestWord) + " (" + QString::number(record.BestWordScore) + ")",
             newest, left));
    RecordsTable->setItem(r, 5,
                          Cell(QString::number(record.AccuracyPercent) + " %", newest, right));
    RecordsTable->setItem(r, 6, Cell(QString::number(record.SuggestionsUsed), newest, right));
  }
  RecordsTable->resizeColumnsToContents();
  RecordsTable->horizontalHeader()->setStretchLastSection(true);
}
