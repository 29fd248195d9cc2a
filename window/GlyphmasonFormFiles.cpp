// What the main window's controls hold for the session (the board size, the
// unknown-word rules, the window mode) and how it shows the settings and
// the dictionary the session reads.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "Libraries/MyDialogs/ui/FormParts.h"
#include "Libraries/Text/Translation.h"
#include "Libraries/Text/ui/QtText.h"
#include "Libraries/Utilities/ui/Utilities.h"
#include "game/ui/ChooseLetterForm.h"
#include "window/BoardView.h"
#include "window/GlyphmasonForm.h"

TBoardSize TGlyphmasonForm::ChosenBoardSize() {
  return {
      GetIntFromComboBox(ColumnsCountComboBox, kMinBoardSize, kMaxBoardSize, kDefaultBoardSize),
      GetIntFromComboBox(RowsCountComboBox, kMinBoardSize, kMaxBoardSize, kDefaultBoardSize)};
}

TBoardSize TGlyphmasonForm::ShownBoardSize() {
  return {GetIntFromComboBoxUnbounded(ColumnsCountComboBox),
          GetIntFromComboBoxUnbounded(RowsCountComboBox)};
}

TUnknownWordRules TGlyphmasonForm::ChosenUnknownWordRules() const {
  return {AllowUnknownWordsCheckBox->isChecked(), AddToWordsListCheckBox->isChecked()};
}

bool TGlyphmasonForm::FullScreenChosen() const { return FullScreenCheckBox->isChecked(); }

void TGlyphmasonForm::ShowSettings(const TGameSettings& settings) {
  ColumnsCountComboBox->setCurrentText(QString::number(settings.ColumnsCount));
  RowsCountComboBox->setCurrentText(QString::number(settings.RowsCount));
  BoardPaintBox->SetBoard(&Game.Board, Game.ColumnsCount, Game.RowsCount);
  AddToWordsListCheckBox->setChecked(settings.AddToWordsList);
  AllowUnknownWordsCheckBox->setChecked(settings.AllowUnknownWords);
}

void TGlyphmasonForm::ShowFullScreen(bool fullScreen) {
  FullScreenCheckBox->setChecked(fullScreen);
}

void TGlyphmasonForm::SetDictionaryNames(const std::string& dictionary,
                                         const std::string& wordsList) {
  // File names, shown in the system's encoding.
  DictionaryEdit->setText(PathToQString(dictionary));
  WordsListEdit->setText(PathToQString(wordsList));
}

void TGlyphmasonForm::SetLetterFont(const std::string& fontName) {
  for (QLabel* panel : StockLetterPanels) {
    panel->setFont(LetterFont(ToQString(fontName), panel->font()));
  }
  BoardPaintBox->SetLetterFontName(ToQString(fontName));
}

void TGlyphmasonForm::SetChoiceLetters(const std::string& fontName,
                                       const std::array<char, kMaxAlphabetSlots>& alphabet) {
  if (ChooseLetterForm != nullptr) {
    ChooseLetterForm->SetLetters(ToQString(fontName), alphabet);
  }
}

char TGlyphmasonForm::AskReplacementLetter(int32_t slot, char current) {
  return ChooseLetterForm == nullptr ? 0 : ChooseLetterForm->AskReplacementLetter(slot, current);
}

bool TGlyphmasonForm::CopyReportToClipboard(const std::string& report) {
  // English here: the error dialog shows it translated and logs it as is.
  return CopyTextToClipboard(
      report, TranslatableText("TErrorForm", "Failed to copy report to clipboard."), false, false);
}
