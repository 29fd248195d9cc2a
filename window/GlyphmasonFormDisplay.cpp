// How the main window shows what the game reports.

#include <QLabel>
#include <QPushButton>

#include "Libraries/Text/ui/QtText.h"
#include "window/BoardView.h"
#include "window/GlyphmasonForm.h"

void TGlyphmasonForm::SetPutButtonsEnabled(bool enabled) {
  PutWordButton->setEnabled(enabled);
  PutFlippedWordButton->setEnabled(enabled);
}

void TGlyphmasonForm::RepaintCell(int32_t column, int32_t row) {
  if (BoardPaintBox->isVisible()) {
    BoardPaintBox->PaintCell(column, row);
  }
}

void TGlyphmasonForm::BoardSizeChanged(int32_t columns, int32_t rows) {
  BoardPaintBox->SetBoard(&Game.Board, columns, rows);
}

void TGlyphmasonForm::ShowWholeBoard() {
  StartPromptLabel->hide();
  BoardPaintBox->show();
  BoardPaintBox->update();
}

void TGlyphmasonForm::SetStockLetter(int32_t slot, char letter) {
  if (slot >= 0 && slot < kStockSlots) {
    StockLetterPanels[slot]->setText(letter == 0 ? QString() : ToQString(std::string(1, letter)));
  }
}

void TGlyphmasonForm::SetNewStockLettersEnabled(bool enabled) {
  NewStockLettersButton->setEnabled(enabled);
}

void TGlyphmasonForm::SetLetterChangesLabel(const std::string& text) {
  LetterChangesLabel->setText(ToQString(text));
}

void TGlyphmasonForm::SetScoreLabel(const std::string& text) { ScoreLabel->setText(ToQString(text)); }

void TGlyphmasonForm::SetLetterScoreLabel(const std::string& text) {
  LetterScoreLabel->setText(ToQString(text));
}

void TGlyphmasonForm::SetValidWordLabel(const std::string& text) {
  ValidWordLabel->setText(ToQString(text));
}

void TGlyphmasonForm::SetWordsCountLabel(const std::string& text) {
  WordsInDictionaryLabel->setText(ToQString(text));
}

void TGlyphmasonForm::SetCaption(const std::string& text) {
  setWindowTitle(PathToQString(text));  // the game file's path
}
