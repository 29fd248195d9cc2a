#pragma once
// The stock slots as a screen reader meets them: buttons named by slot,
// letter and score ("3: K, 5 points"; "4: empty"), whose press puts the
// letter at the board's cursor.

#include <QAccessibleWidget>
#include <functional>

class QLabel;

class TStockAccessible : public QAccessibleWidget {
 public:
  // name gives the slot's name; press puts its letter on the board.
  TStockAccessible(QLabel* panel, std::function<QString()> name, std::function<void()> press);

  QString text(QAccessible::Text t) const override;
  QAccessible::State state() const override;
  QStringList actionNames() const override;
  void doAction(const QString& actionName) override;
  QStringList keyBindingsForAction(const QString& actionName) const override;

 private:
  std::function<QString()> Name;
  std::function<void()> Press;
};

// Makes the board's, the stock's and the announcer's accessible interfaces
// known to the toolkit; called once before the main window is shown.
void InstallGameAccessibility();
