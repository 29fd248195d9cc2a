#include "window/RecordsForm.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "Libraries/MyDialogs/ui/FormParts.h"
#include "Libraries/Text/ui/QtText.h"

namespace {

const QStringList kColumns = {"Place",     "Date and time", "Score",      "Words",
                              "Best word", "Accuracy",      "Suggestions"};

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
  SetUpFixedForm(*this, "RecordsForm", "Records", {680, 335});
  SetProgramFont(*this);
  TableLabel = MakeLabel(this, "TableLabel", "Dictionary and board size", {10, 13, 150, 16});
  TableComboBox = new QComboBox(this);
  TableComboBox->setObjectName("TableComboBox");
  TableComboBox->setGeometry(165, 10, 260, 22);
  RecordsTable = new QTableWidget(static_cast<int>(kMaxRecords), kColumns.size(), this);
  RecordsTable->setObjectName("RecordsTable");
  RecordsTable->setGeometry(10, 40, 660, 252);
  RecordsTable->setHorizontalHeaderLabels(kColumns);
  RecordsTable->verticalHeader()->hide();
  RecordsTable->verticalHeader()->setDefaultSectionSize(22);
  RecordsTable->setSelectionMode(QAbstractItemView::NoSelection);
  // Tab reaches the table and the arrows read it cell by cell; a click
  // leaves the focus where it is.
  RecordsTable->setFocusPolicy(Qt::TabFocus);
  RecordsTable->setAccessibleName("Records");
  NewestLabel =
      MakeLabel(this, "NewestLabel", "Bold, with *: the newest record", {10, 305, 300, 16});
  OkayButton = MakeButton(this, "OkayButton", "Okay", {595, 300, 75, 25});
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
