#pragma once
// The "Records" window: the ten best ended games of one dictionary and
// board size, the newest marked; any other table kept can be picked.

#include <QDialog>
#include <string>

#include "persistence/Records.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

class TRecordsForm : public QDialog {
 public:
  explicit TRecordsForm(QWidget* parent);
  // Shows the records with the named table chosen (listed even when empty).
  void Show(const TRecords& records, const std::string& table);
  // Fills the grid with the table of that name.
  void ShowTable(const std::string& table);

  QLabel* TableLabel = nullptr;
  QComboBox* TableComboBox = nullptr;
  QTableWidget* RecordsTable = nullptr;
  QLabel* NewestLabel = nullptr;
  QPushButton* OkayButton = nullptr;

 private:
  TRecords Records;
};
