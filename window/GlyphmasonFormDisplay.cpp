// How the main window shows what the game reports.

#include <QAccessible>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <map>

#include "Libraries/Text/ui/QtText.h"
#include "window/BoardView.h"
#include "window/GlyphmasonForm.h"

namespace {
// What a screen reader calls a label while it shows nothing. The names are
// looked up in the player's language each time they are spoken.
QString EmptyLabelName(const QLabel& label) {
  static const std::map<QString, const char*> names = {
      {"WordsInDictionaryLabel",
       QT_TRANSLATE_NOOP("TGlyphmasonForm", "Words in the words list: none loaded")},
      {"LetterChangesLabel", QT_TRANSLATE_NOOP("TGlyphmasonForm", "Letter changes: no game")},
      {"LetterScoreLabel",
       QT_TRANSLATE_NOOP("TGlyphmasonForm", "Letter score: no letter pointed at")},
      {"ValidWordLabel", QT_TRANSLATE_NOOP("TGlyphmasonForm", "Last word: none")},
      {"ScoreLabel", QT_TRANSLATE_NOOP("TGlyphmasonForm", "Score: none")},
      {"WhyNoWordLabel", QT_TRANSLATE_NOOP("TGlyphmasonForm", "Why no word: nothing to explain")},
  };
  const auto found = names.find(label.objectName());
  return found == names.end() ? QString()
                              : QCoreApplication::translate("TGlyphmasonForm", found->second);
}
}  // namespace

void ShowLabelText(QLabel& label, const QString& text) {
  label.setText(text);
  label.setAccessibleName(text.isEmpty() ? EmptyLabelName(label) : QString());
}

void TGlyphmasonForm::SetPutButtonsEnabled(bool enabled) {
  PutWordButton->setEnabled(enabled);
  PutFlippedWordButton->setEnabled(enabled);
  ShowWhyNoWord();
}

void TGlyphmasonForm::RepaintCell(int32_t column, int32_t row) {
  if (BoardPaintBox->isVisible()) {
    BoardPaintBox->PaintCell(column, row);
  }
  BoardPaintBox->NotifyCellChanged(column, row);
  ShowWhyNoWord();
}

void TGlyphmasonForm::BoardSizeChanged(int32_t columns, int32_t rows) {
  BoardPaintBox->SetBoard(&Game.Board, columns, rows);
}

void TGlyphmasonForm::ShowWholeBoard() {
  StartPromptLabel->hide();
  BoardPaintBox->show();
  BoardPaintBox->update();
  BoardPaintBox->NotifyWholeBoardChanged();
  // A new or loaded game starts typing at the middle square.
  BoardPaintBox->SetCursor(TBoardCursor::Centre(Game.ColumnsCount, Game.RowsCount));
  BoardPaintBox->setFocus(Qt::OtherFocusReason);
  ShowWhyNoWord();
}

void TGlyphmasonForm::SetStockLetter(int32_t slot, char letter) {
  if (slot >= 0 && slot < kStockSlots) {
    StockLetterPanels[slot]->setText(letter == 0 ? QString() : ToQString(std::string(1, letter)));
#if QT_CONFIG(accessibility)
    QAccessibleEvent renamed(StockLetterPanels[slot], QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
#endif
  }
}

void TGlyphmasonForm::SetNewStockLettersEnabled(bool enabled) {
  NewStockLettersButton->setEnabled(enabled);
}

void TGlyphmasonForm::SetLetterChangesLabel(const std::string& text) {
  ShowLabelText(*LetterChangesLabel, ToQString(text));
  UpdateBoardStatus();
}

void TGlyphmasonForm::SetScoreLabel(const std::string& text) {
  ShowLabelText(*ScoreLabel, ToQString(text));
  UpdateBoardStatus();
}

void TGlyphmasonForm::SetLetterScoreLabel(const std::string& text) {
  ShowLabelText(*LetterScoreLabel, ToQString(text));
}

void TGlyphmasonForm::SetValidWordLabel(const std::string& text) {
  ShowLabelText(*ValidWordLabel, ToQString(text));
  UpdateBoardStatus();
}

void TGlyphmasonForm::SetWordsCountLabel(const std::string& text) {
  ShowLabelText(*WordsInDictionaryLabel, ToQString(text));
}

void TGlyphmasonForm::SetCaption(const std::string& text) {
  setWindowTitle(PathToQString(text));  // the game file's path
}
