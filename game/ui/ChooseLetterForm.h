#pragma once
// The dialog in which the player picks the letter that replaces a stock
// letter: one panel per alphabet slot, 5 rows of 8.

#include <QDialog>
#include <array>
#include <functional>

#include "lexicon/LetterData.h"

class QLabel;
class QPushButton;

class TChooseLetterForm : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kRows = 5;
  static constexpr int kColumns = 8;

  explicit TChooseLetterForm(QWidget* parent = nullptr);
  ~TChooseLetterForm() override;

  // Builds the 40 letter panels; called once at start-up.
  void CreateLetterPanels();
  // Puts the font and the alphabet's letters on the panels (empty slots
  // show nothing and cannot be chosen).
  void SetLetters(const QString& fontName, const std::array<char, kMaxAlphabetSlots>& alphabet);
  // Shows the dialog and returns the letter chosen; 0 when cancelled or closed.
  // Given the stock slot (0..6) and its letter, a screen reader is told which
  // letter is replaced ("Replace K in slot 3").
  char AskReplacementLetter(int stockSlot = -1, char replaced = 0);

  // Clicking a letter panel: chooses its letter and closes the dialog.
  void LetterClicked(int slot);
  // The letter panel with the keyboard focus; -1 when none has it.
  int FocusedSlot() const;

  // Runs the dialog modally. Tests replace it to click a letter or cancel.
  std::function<int(TChooseLetterForm&)> RunModal;

  QWidget* MainPanel = nullptr;
  QWidget* LettersPanel = nullptr;
  QLabel* HintLabel = nullptr;
  QPushButton* CancelButton = nullptr;
  std::array<QLabel*, kMaxAlphabetSlots> LetterPanels{};

 protected:
  // The first panel with a letter has the focus when the dialog opens.
  void showEvent(QShowEvent* event) override;
  // A typed letter chooses its panel; the arrows move the focus between the
  // panels and Enter chooses the focused one. Escape cancels, as the Cancel
  // button answers it.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // Gives a panel that shows a letter the focus.
  void FocusLetter(int slot);

  char ChosenLetter = 0;
};

// The program's one letter-choice dialog; null until created at start-up.
extern TChooseLetterForm* ChooseLetterForm;
